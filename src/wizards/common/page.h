// A wizard page: its output box, its "Létrehozás" button and the create sequence that
// every page runs. CommonPage adds the common input set under its usual names.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/controls.h"
#include "ui/form.h"
#include "wizards/common/commoncontrols.h"
#include "wizards/common/fields.h"
#include "wizards/common/frame.h"
#include "wizards/common/gcode.h"
#include "wizards/common/pagefacts.h"

namespace qorix {

class WizardPage : public ui::Form {
public:
    WizardPage(std::string name, std::string title, Services& services);

    const std::string& title() const { return title_; }
    Services& services() const { return services_; }

    // Append one line to the output; an empty text gives an empty line.
    void AddLine(std::string text) { Memo1.add(std::move(text)); }

    virtual void ReadParameters() = 0;
    virtual void PrepareValues() = 0;
    virtual void WriteHeaderComments() = 0;
    virtual void GenerateProgram() = 0;
    // Single mode empties the output first (by the series choice of the previous reading);
    // a failed check stops the run before any line is written.
    virtual void CreateProgram();
    // What the main window does with the page at start-up, with the default texts.
    virtual void startup();

    // Whether a press reads and prepares the fields. A page whose values were prepared
    // beforehand (the drilling page's hole table) writes from them instead.
    virtual bool readsOnCreate() const { return true; }

    virtual bool seriesFlag() const = 0;
    virtual bool errorFlag() const = 0;
    // What the preview is told about the program of the last reading; nothing by default.
    virtual PageFacts pageFacts() const { return {}; }
    // Whether the last run of CreateProgram wrote its program to the end.
    bool lastRunWrote() const { return wrote_; }
    // Whether a field, tick, choice or bar has changed since the last run that wrote its
    // program: the output then no longer shows what the fields say. False before any run.
    bool inputsChangedSinceCreate() const;

    void Button1Click() { CreateProgram(); }

    // Where the page tells what a run did beyond its program (the main window's status line).
    std::function<void(const std::string&)> onNotice;

    ui::Label Title;
    ui::Memo Memo1;
    ui::Button Button1;

protected:
    // Whether PrepareValues runs after a reading whose checks failed. Most pages prepare
    // anyway (the run stops right after); a page whose preparation needs clean values says no.
    virtual bool prepareAfterFailedRead() const { return true; }
    // Whether a run that does not read the fields may go on with what it prepared earlier;
    // a page that says no has shown why.
    virtual bool preparedStillHolds() { return true; }

    // Writes the program's lines under the guard that every page shares: a run that leaves a
    // number the machine cannot read, or fails half way, puts the output back as it was.
    void writeGuarded(const std::function<void()>& lines);
    // Marks the coming run as one that has not written its program (yet).
    void startRun() { wrote_ = false; }
    void notice(const std::string& text) {
        if (onNotice) onNotice(text);
    }
    // Notes the inputs that the program just written was made from.
    void noteCreated() { createdFrom_ = ui::inputState(*this); }

    using Row = ui::Form::Row;
    FieldReader reader(bool& errorFlag) const { return FieldReader(services_, errorFlag); }
    ProgramText text() { return ProgramText(Memo1, services_.num); }
    // A default text with this run's decimal separator.
    std::string def(const char* commaText) const { return services_.num.local(commaText); }

private:
    std::string title_;
    Services& services_;
    bool wrote_ = false;
    std::optional<std::string> createdFrom_;
};

// Texts that differ between pages with the common input set.
struct CommonPageTexts {
    std::string zEntrySecond;  // second item of " Szerszám Z irányban "
    std::string seriesFirst;   // first item of " Sorozat marás "
    std::string directionCaption = " Marás forgásiránya óramutató járásával ";
};

// A page with the common input set under the usual names (Edit_x_, CheckBox_szc_, ...).
class CommonPage : public WizardPage, public CommonControls {
public:
    CommonPage(std::string name, std::string title, Services& services,
               const CommonPageTexts& texts);

    bool seriesFlag() const override { return rec.series != 0; }
    bool errorFlag() const override { return rec.error != 0; }
    PageFacts pageFacts() const override;

    void Button2Click() { Memo1.clear(); }
    void CheckBox_szc_Click() { applyNoStepLimit(inputs_); }
    void CheckBox_szsz_Click() { applyNoTool(inputs_); }
    void RadioGroup_s_Click();

    const CommonInputs& inputs() const { return inputs_; }

    ui::Edit Edit_g23_;
    ui::RadioGroup RadioGroup_cw_, RadioGroup_zi_, RadioGroup_s_;

    CommonRecord rec;

protected:
    CommonInputs inputs_;
};

}  // namespace qorix
