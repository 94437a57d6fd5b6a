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
    : ui::Form(std::move(name)),
      Title(this, "Title", title),
      Memo1(this, "Memo1"),
      Button1(this, "Button1", "Létrehozás"),
      title_(std::move(title)),
      services_(services) {
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

CommonPage::CommonPage(std::string name, std::string title, Services& services,
                       const CommonPageTexts& texts)
    : WizardPage(std::move(name), std::move(title), services),
      Edit_x_(this, "Edit_x_", "X tengely kezdőpontja:", def("0,0000")),
      Edit_y_(this, "Edit_y_", "Y tengely kezdőpontja:", def("0,0000")),
      Edit_z_(this, "Edit_z_", "Z tengely kezdőpontja:", def("0,0000")),
      Edit_zsb_(this, "Edit_zsb_", "biztonsági Z: +", "5"),
      Edit_m_(this, "Edit_m_", "Marás mélysége:", def("-2,0000")),
      Edit_sz_(this, "Edit_sz_", "Szerszám átmérő:", "5"),
      Edit_szc_(this, "Edit_szc_", "Lépésenkénti maximális fogási mélység: ", def("0,6")),
      CheckBox_szc_(this, "CheckBox_szc_", "nincs", true),
      Edit_szsz_(this, "Edit_szsz_", "Szerszám száma:", "1"),
      Edit_ff_(this, "Edit_ff_", "Főorsó fordulata: ", "1000"),
      CheckBox_szsz_(this, "CheckBox_szsz_", "nincs", false),
      Edit_g1_(this, "Edit_g1_", "G1 feed:", "150"),
      Edit_g23_(this, "Edit_g23_", "G2, G3 feed:", "300"),
      RadioGroup_h_(this, "RadioGroup_h_", " Hűtés ", {"nincs", "M7", "M8"}, 0),
      RadioGroup_cw_(this, "RadioGroup_cw_", texts.directionCaption,
                     {"Megegyező (CW)", "Ellentétes (CCW)"}, 0),
      RadioGroup_m34_(this, "RadioGroup_m34_", " Forgásirány ", {"M3", "M4"}, 0),
      RadioGroup_zi_(this, "RadioGroup_zi_", " Szerszám Z irányban ",
                     {"Le egyenesen csak Z", texts.zEntrySecond}, 1),
      RadioGroup_s_(this, "RadioGroup_s_", " Sorozat marás ", {texts.seriesFirst, "Sorozat marás"},
                    0),
      CheckBox_msg_(this, "CheckBox_msg_", "Megjegyzésekkel", true),
      Button2(this, "Button2", "Törlés") {
    inputs_ = CommonInputs{&Edit_x_,        &Edit_y_,       &Edit_z_,        &Edit_zsb_,
                           &Edit_m_,        &Edit_sz_,      &Edit_szc_,      &CheckBox_szc_,
                           &Edit_szsz_,     &Edit_ff_,      &CheckBox_szsz_, &Edit_g1_,
                           &Edit_g23_,      &RadioGroup_h_, &RadioGroup_cw_, &RadioGroup_m34_,
                           &RadioGroup_zi_, &RadioGroup_s_, &CheckBox_msg_};
    Edit_szc_.setEnabled(false);
    Button2.onClick = [this] { Button2Click(); };
    CheckBox_szc_.onClick = [this] { CheckBox_szc_Click(); };
    CheckBox_szsz_.onClick = [this] { CheckBox_szsz_Click(); };
    RadioGroup_s_.onClick = [this] { RadioGroup_s_Click(); };
}

void CommonPage::RadioGroup_s_Click() { applySeriesChoice(inputs_, Memo1, services().dialogs); }

}  // namespace qorix
