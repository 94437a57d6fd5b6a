// "Horony (slot)": cuts a straight slot with round ends between two end centres. Each depth
// level goes in at the first end (down a ramp to the second end, or straight down), cuts the
// centre line, then widens it by loops round the line; a finishing allowance leaves the walls
// to one last loop at the final depth.
#pragma once

#include <vector>

#include "wizards/common/page.h"
#include "wizards/milling/slotpath.h"

namespace qorix {

class SlotPage : public CommonPage {
public:
    explicit SlotPage(Services& services);

    void ReadParameters() override;
    void PrepareValues() override;
    void WriteHeaderComments() override;
    void GenerateProgram() override;
    PageFacts pageFacts() const override;

    ui::Edit Edit_x2_, Edit_y2_, Edit_w_, Edit_ra_;
    ui::RadioGroup RadioGroup_e_;
    ui::Image Image1;

    SlotLine line;
    long double width = 0;
    long double allowance = 0;
    std::vector<long double> loops;  // offsets of the roughing loops from the centre line

private:
    void readWidth(const FieldReader& read);
    void readAllowance(const FieldReader& read);
    bool ramp() const { return RadioGroup_e_.itemIndex() == 0; }
    // The level's entry and centre line; whether the tool ends at the second end.
    bool writeEntry(ProgramText& t, long double z) const;
    void writeLoop(ProgramText& t, long double offset, bool atSecondEnd) const;
};

}  // namespace qorix
