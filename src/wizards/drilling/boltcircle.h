// "Fúrás kör mentén (drill circular bolt pattern)": drills N equally spaced holes on a
// circle with one canned cycle. The first drilled hole gets the full cycle line, every later
// one only its X and Y. The hole table and the page's values live in the shared store, so
// that the hole selector can show the holes and let the user leave some out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "wizards/common/page.h"
#include "wizards/common/shared.h"

namespace qorix {

class TForm9;

class TFrame8 : public WizardPage, public CommonControls {
public:
    static constexpr std::int32_t kMaxHoles = 1000;

    explicit TFrame8(Services& services);

    void ReadParameters() override;
    void PrepareValues() override;
    void WriteHeaderComments() override;
    void GenerateProgram() override;
    // At start-up the main window leaves no hole table prepared.
    void startup() override;
    // A prepared table (a hole selection) is written as it is, without reading the fields.
    bool readsOnCreate() const override { return shared_.u8_anc == 0; }
    // A prepared table is only drilled when its reading was sound and no setting of the
    // page has changed since: the program would otherwise quietly ignore the change.
    bool preparedStillHolds() override;
    // A press that read the fields and stopped on a check leaves no table prepared.
    void CreateProgram() override;

    bool seriesFlag() const override { return rec.series != 0; }
    bool errorFlag() const override { return rec.error != 0; }
    PageFacts pageFacts() const override;

    void Button2Click() { Memo1.clear(); }
    void CheckBox_szc_Click() { applyNoStepLimit(inputs_); }
    void CheckBox_szsz_Click() { applyNoTool(inputs_); }
    void RadioGroup_s_Click() { applySeriesChoice(inputs_, Memo1, services().dialogs); }
    void RadioGroup1Click();
    // What the main window does when the page is chosen in its list.
    void selectedInList();

    // The dialog that RadioGroup1 opens; none in a run without one.
    void setHoleSelector(TForm9* selector) { selector_ = selector; }
    SharedValues& shared() const { return shared_; }

    ui::Edit Edit_db_, Edit_r_, Edit_ane_, Edit_drc_;
    ui::RadioGroup RadioGroup_g783_, RadioGroup_s_, RadioGroup1;
    ui::Image Image1;

    // Depth, tool, spindle, feed, the flags and the error flag; the start point and the safe
    // offset are kept in the store.
    CommonRecord rec;
    // Every setting of the page (but the selection group) when the table was prepared.
    std::vector<std::string> settings() const;
    std::vector<std::string> preparedSettings_;
    long double rotation = 0;  // degrees
    long double retract = 0;   // the R plane
    std::int32_t cycle = 0;    // 73 or 83
    std::int32_t holes = 0;    // N as entered

private:
    void readCircle(const FieldReader& read);
    void readPeck(const FieldReader& read);
    void readHoleCount(const FieldReader& read);
    void setSelectionItems(bool chooseEnabled);

    SharedValues& shared_;
    CommonInputs inputs_;
    TForm9* selector_ = nullptr;
};

}  // namespace qorix
