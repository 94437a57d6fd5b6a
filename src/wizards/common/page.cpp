#include "wizards/common/page.h"

#include "wizards/common/finitelines.h"
#include "wizards/common/messages.h"

namespace qorix {

namespace {

// Puts the output back as it was unless the run is kept: a run that fails half way (a
// number that cannot be written, a failure thrown from the generator) leaves no piece of
// its program behind.
class OutputGuard {
public:
    explicit OutputGuard(ui::Memo& memo) : memo_(memo), earlier_(memo.lines()) {}
    ~OutputGuard() {
        if (!kept_) memo_.setLines(std::move(earlier_));
    }
    OutputGuard(const OutputGuard&) = delete;
    OutputGuard& operator=(const OutputGuard&) = delete;
    std::size_t earlierLines() const { return earlier_.size(); }
    void keep() { kept_ = true; }

private:
    ui::Memo& memo_;
    std::vector<std::string> earlier_;
    bool kept_ = false;
};

}  // namespace

WizardPage::WizardPage(std::string name, std::string title, Services& services)
    : ui::Form(std::move(name)), title_(std::move(title)), services_(services) {
    declare({
        Row(Title, "Title", {title_}),
        Row(Memo1, "Memo1", {}),
        Row(Button1, "Button1", {"Létrehozás"}),
    });
    Button1.onClick = [this] { Button1Click(); };
}

void WizardPage::CreateProgram() {
    startRun();
    // emptied before the checks, so that their boxes do not stand over the old program
    if (!seriesFlag()) Memo1.clear();
    ui::Memo::Batch batch(Memo1);
    if (readsOnCreate()) {
        ReadParameters();
        if (!errorFlag() || prepareAfterFailedRead()) PrepareValues();
    } else if (!preparedStillHolds()) {
        return;
    }
    if (errorFlag()) return;
    writeGuarded([this] {
        WriteHeaderComments();
        GenerateProgram();
    });
}

void WizardPage::writeGuarded(const std::function<void()>& lines) {
    wrote_ = false;
    // The lines already in the output stay as they are, whatever becomes of this run.
    OutputGuard guard(Memo1);
    lines();
    std::string bad = firstNonFiniteLine(Memo1.lines(), guard.earlierLines());
    if (!bad.empty()) {
        services_.dialogs.message(msg::kErrorCaption, msg::kNotFiniteNumber + bad);
        return;
    }
    guard.keep();
    wrote_ = true;
    noteCreated();
}

bool WizardPage::inputsChangedSinceCreate() const {
    return createdFrom_ && *createdFrom_ != ui::inputState(*this);
}

void WizardPage::startup() {
    ReadParameters();
    PrepareValues();
}

namespace {

CommonControlTexts commonTexts(const NumberText& num) {
    CommonControlTexts t;
    t.zeroDefault = num.local("0,0000");
    t.depthCaption = "Marás mélysége:";
    t.depthDefault = num.local("-2,0000");
    t.stepDefault = num.local("0,6");
    t.noStepLimit = true;
    return t;
}

}  // namespace

CommonPage::CommonPage(std::string name, std::string title, Services& services,
                       const CommonPageTexts& texts)
    : WizardPage(std::move(name), std::move(title), services),
      CommonControls(this, commonTexts(services.num)) {
    declare({
        Row(Edit_g23_, "Edit_g23_", {"G2, G3 feed:", "300"}).listedAfter(Edit_g1_),
        Row(RadioGroup_cw_, "RadioGroup_cw_",
            {texts.directionCaption, {"Megegyező (CW)", "Ellentétes (CCW)"}, 0})
            .listedAfter(RadioGroup_h_),
        Row(RadioGroup_zi_, "RadioGroup_zi_",
            {" Szerszám Z irányban ", {"Le egyenesen csak Z", texts.zEntrySecond}, 1})
            .listedAfter(RadioGroup_m34_),
        Row(RadioGroup_s_, "RadioGroup_s_",
            {" Sorozat marás ", {texts.seriesFirst, "Sorozat marás"}, 0})
            .listedAfter(RadioGroup_zi_),
    });
    wireInputs(inputs_);
    inputs_.x = &Edit_x_;
    inputs_.y = &Edit_y_;
    inputs_.z = &Edit_z_;
    inputs_.safeOffset = &Edit_zsb_;
    inputs_.depth = &Edit_m_;
    inputs_.toolDiameter = &Edit_sz_;
    inputs_.arcFeed = &Edit_g23_;
    inputs_.direction = &RadioGroup_cw_;
    inputs_.zEntry = &RadioGroup_zi_;
    inputs_.series = &RadioGroup_s_;
    Edit_szc_.setEnabled(false);
    Button2.onClick = [this] { Button2Click(); };
    CheckBox_szc_.onClick = [this] { CheckBox_szc_Click(); };
    CheckBox_szsz_.onClick = [this] { CheckBox_szsz_Click(); };
    RadioGroup_s_.onClick = [this] { RadioGroup_s_Click(); };
}

void CommonPage::RadioGroup_s_Click() { applySeriesChoice(inputs_, Memo1, services().dialogs); }

PageFacts CommonPage::pageFacts() const {
    return facts::at(rec.x, rec.y, rec.z, rec.depth, rec.toolDiameter);
}

}  // namespace qorix
