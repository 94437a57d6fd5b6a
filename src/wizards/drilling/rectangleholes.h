// "Fúrás Téglalap mentén (drill rectangle bolt pattern)": drills the holes of a rectangular
// pattern, along its outline or filling it as a grid, with one canned cycle. The first hole
// drilled gets the full cycle line, every later one only its X and Y. The hole selector lets
// the user leave holes out, as on the bolt circle.
#pragma once

#include <cstdint>
#include <vector>

#include "wizards/common/page.h"
#include "wizards/drilling/holeselection.h"
#include "wizards/drilling/rectanglechoice.h"
#include "wizards/drilling/rectanglepattern.h"

namespace qorix {

class RectangleHolesPage : public WizardPage, public CommonControls {
public:
    explicit RectangleHolesPage(Services& services);

    void ReadParameters() override;
    void PrepareValues() override;
    void WriteHeaderComments() override;
    void GenerateProgram() override;
    // A selection stays in force for every press on the same pattern.
    void CreateProgram() override {
        selection_.press([this] { WizardPage::CreateProgram(); });
    }
    // At start-up no pattern is prepared for the selector.
    void startup() override;

    bool seriesFlag() const override { return false; }
    bool errorFlag() const override { return rec.error != 0; }
    PageFacts pageFacts() const override;

    void Button2Click() { Memo1.clear(); }
    void CheckBox_szc_Click() { applyNoStepLimit(inputs_); }
    void CheckBox_szsz_Click() { applyNoTool(inputs_); }
    void RadioGroup1Click() { selection_.clicked(); }
    // What the main window does when the page is chosen in its list.
    void selectedInList() { selection_.selectedInList(); }

    // The dialog that RadioGroup1 opens; none in a run without one.
    void setHoleSelector(HoleSelectorDialog* selector) { selection_.setSelector(selector); }
    // The holes the selector shows and flags.
    HoleChoice& holeChoice() { return choice_; }

    ui::Edit Edit_db_, Edit_drx_, Edit_dry_, Edit_tx_, Edit_ty_, Edit_ane_;
    ui::RadioGroup RadioGroup_g8_, RadioGroup_mt_, RadioGroup1;
    ui::Image Image1;

    CommonRecord rec;
    RectanglePattern pattern;
    long double drillDiameter = 0;
    long double peckDepth = 0;  // the Q word; the depth itself when there is no peck
    long double retract = 0;    // the R plane
    std::int32_t cycle = 81;    // 81, 73 or 83
    // The holes in drilling order and which of them are drilled.
    const RectangleHoleChoice& holes() const { return choice_; }

protected:
    // A failed reading leaves the holes (and a selection on them) as they were.
    bool prepareAfterFailedRead() const override { return false; }

private:
    void readDrill(const FieldReader& read);
    void readPeck(const FieldReader& read);
    void readPattern(const FieldReader& read);
    std::int64_t readCount(const ui::Edit& field, const FieldReader& read) const;
    long double readPitch(ui::Edit& field, std::int64_t count, const FieldReader& read) const;
    // What the holes' places depend on: a selection holds only on the pattern it was made on.
    HoleSelection::Pattern patternKey() const;

    CommonInputs inputs_;
    RectangleHoleChoice choice_;
    HoleSelection selection_;
    // the holes the last program written left out, for the preview
    std::vector<PageFacts::Point> leftOut_;
};

}  // namespace qorix
