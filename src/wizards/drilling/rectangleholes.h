// "Fúrás Téglalap mentén (drill rectangle bolt pattern)": drills the holes of a rectangular
// pattern, along its outline or filling it as a grid, with one canned cycle. The first hole
// gets the full cycle line, every later one only its X and Y.
#pragma once

#include <cstdint>
#include <vector>

#include "wizards/common/page.h"
#include "wizards/drilling/rectanglepattern.h"

namespace qorix {

class RectangleHolesPage : public WizardPage, public CommonControls {
public:
    explicit RectangleHolesPage(Services& services);

    void ReadParameters() override;
    void PrepareValues() override;
    void WriteHeaderComments() override;
    void GenerateProgram() override;

    bool seriesFlag() const override { return false; }
    bool errorFlag() const override { return rec.error != 0; }
    PageFacts pageFacts() const override;

    void Button2Click() { Memo1.clear(); }
    void CheckBox_szc_Click() { applyNoStepLimit(inputs_); }
    void CheckBox_szsz_Click() { applyNoTool(inputs_); }

    ui::Edit Edit_db_, Edit_drx_, Edit_dry_, Edit_tx_, Edit_ty_, Edit_ane_;
    ui::RadioGroup RadioGroup_g8_, RadioGroup_mt_;
    ui::Image Image1;

    CommonRecord rec;
    RectanglePattern pattern;
    long double drillDiameter = 0;
    long double peckDepth = 0;       // the Q word; the depth itself when there is no peck
    long double retract = 0;         // the R plane
    std::int32_t cycle = 81;         // 81, 73 or 83
    std::vector<PatternHole> holes;  // in drilling order

private:
    void readDrill(const FieldReader& read);
    void readPeck(const FieldReader& read);
    void readPattern(const FieldReader& read);
    std::int64_t readCount(const ui::Edit& field, const FieldReader& read) const;
    long double readPitch(ui::Edit& field, std::int64_t count, const FieldReader& read) const;

    CommonInputs inputs_;
};

}  // namespace qorix
