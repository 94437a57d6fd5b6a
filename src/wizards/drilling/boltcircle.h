// "Fúrás kör mentén (drill circular bolt pattern)": drills N equally spaced holes on a
// circle with one canned cycle. The first drilled hole gets the full cycle line, every later
// one only its X and Y. The page keeps its values and the hole table together, so that the
// hole selector can show the holes and let the user leave some out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "wizards/common/page.h"
#include "wizards/drilling/drillingvalues.h"

namespace qorix {

class HoleSelectorDialog;

class BoltCirclePage : public WizardPage, public CommonControls {
public:
    static constexpr std::int32_t kMaxHoles = 1000;

    explicit BoltCirclePage(Services& services);

    void ReadParameters() override;
    void PrepareValues() override;
    void WriteHeaderComments() override;
    void GenerateProgram() override;
    // At start-up the main window leaves no hole table prepared.
    void startup() override;
    // Every press reads the fields; a hole selection stays in force for as long as the
    // circle it was made on (count, centre, diameter, rotation) stays the same.
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
    void setHoleSelector(HoleSelectorDialog* selector) { selector_ = selector; }
    // The values and the hole table of the last reading.
    DrillingValues& values() { return values_; }
    const DrillingValues& values() const { return values_; }

    ui::Edit Edit_db_, Edit_r_, Edit_ane_, Edit_drc_;
    ui::RadioGroup RadioGroup_g783_, RadioGroup_s_, RadioGroup1;
    ui::Image Image1;

    // Depth, tool, spindle, feed, the flags and the error flag; the start point and the safe
    // offset are kept with the hole table.
    CommonRecord rec;
    // What the holes' places depend on: a selection holds only on the circle it was made on.
    struct HoleCircle {
        std::int32_t count = 0;
        long double x = 0, y = 0, diameter = 0, rotation = 0;
        bool operator==(const HoleCircle&) const = default;
    };
    HoleCircle holeCircle() const;
    // Whether the group's selection item is chosen over a table that still holds.
    bool selectionInForce() const { return RadioGroup1.itemIndex() != 0 && selectedOn_; }
    long double rotation = 0;  // degrees
    long double retract = 0;   // the R plane
    std::int32_t cycle = 0;    // 73 or 83
    std::int32_t holes = 0;    // N as entered

protected:
    // A failed reading leaves the table (and a selection on it) as it was.
    bool prepareAfterFailedRead() const override { return false; }

private:
    void buildTable();
    void dropSelection();
    void readCircle(const FieldReader& read);
    void readPeck(const FieldReader& read);
    void readHoleCount(const FieldReader& read);
    void setSelectionItems(bool chooseEnabled);

    DrillingValues values_;
    CommonInputs inputs_;
    HoleSelectorDialog* selector_ = nullptr;
    std::optional<HoleCircle> selectedOn_;  // the circle of the table the selector shows
    bool creating_ = false;
};

}  // namespace qorix
