// "Fúrás kör mentén (drill circular bolt pattern)": drills N equally spaced holes on a
// circle with one canned cycle. The first drilled hole gets the full cycle line, every later
// one only its X and Y. The page keeps its values and the hole table together, so that the
// hole selector can show the holes and let the user leave some out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "wizards/common/page.h"
#include "wizards/drilling/drillingvalues.h"
#include "wizards/drilling/holechoice.h"
#include "wizards/drilling/holeselection.h"

namespace qorix {

// The bolt circle's hole table as the hole selector shows it: the boxes stand on a circle of
// 200 pixels round the point (280, 280), in the holes' directions whatever the diameter.
class CircleHoles : public HoleChoice {
public:
    static constexpr int kCentre = 280;
    static constexpr int kRadius = 200;

    explicit CircleHoles(DrillingValues& values) : values_(values) {}
    int preparedCount() const override;
    std::array<long double, 2> offset(int hole) const override;
    std::array<int, 2> boxPlace(int hole, int boxWidth) const override;
    bool drilled(int hole) const override { return values_.drillFlags[hole]; }
    void setDrilled(int hole, bool drilled) override { values_.drillFlags[hole] = drilled; }
    void forget() override { values_.preparedCount = 0; }

private:
    DrillingValues& values_;
};

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
    void CreateProgram() override {
        selection_.press([this] { WizardPage::CreateProgram(); });
    }

    bool seriesFlag() const override { return rec.series != 0; }
    bool errorFlag() const override { return rec.error != 0; }
    PageFacts pageFacts() const override;

    void Button2Click() { Memo1.clear(); }
    void CheckBox_szc_Click() { applyNoStepLimit(inputs_); }
    void CheckBox_szsz_Click() { applyNoTool(inputs_); }
    void RadioGroup_s_Click() { applySeriesChoice(inputs_, Memo1, services().dialogs); }
    void RadioGroup1Click() { selection_.clicked(); }
    // What the main window does when the page is chosen in its list.
    void selectedInList() { selection_.selectedInList(); }

    // The dialog that RadioGroup1 opens; none in a run without one.
    void setHoleSelector(HoleSelectorDialog* selector) { selection_.setSelector(selector); }
    // The holes the selector shows and flags.
    HoleChoice& holeChoice() { return choice_; }
    // The values and the hole table of the last reading.
    DrillingValues& values() { return values_; }
    const DrillingValues& values() const { return values_; }

    ui::Edit Edit_db_, Edit_r_, Edit_ane_, Edit_drc_;
    ui::RadioGroup RadioGroup_g783_, RadioGroup_s_, RadioGroup1;
    ui::Image Image1;

    // Depth, tool, spindle, feed, the flags and the error flag; the start point and the safe
    // offset are kept with the hole table.
    CommonRecord rec;
    long double rotation = 0;  // degrees
    long double retract = 0;   // the R plane
    std::int32_t cycle = 0;    // 73 or 83
    std::int32_t holes = 0;    // N as entered

protected:
    // A failed reading leaves the table (and a selection on it) as it was.
    bool prepareAfterFailedRead() const override { return false; }

private:
    void buildTable();
    // What the holes' places depend on: a selection holds only on the circle it was made on
    // (count, centre, diameter, rotation).
    HoleSelection::Pattern holeCircle() const;
    void readCircle(const FieldReader& read);
    void readPeck(const FieldReader& read);
    void readHoleCount(const FieldReader& read);

    DrillingValues values_;
    CommonInputs inputs_;
    CircleHoles choice_{values_};
    HoleSelection selection_;
};

}  // namespace qorix
