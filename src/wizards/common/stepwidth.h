// The lateral step of the pocket and face-milling pages: the "Fogás szélessége" scroll bar (percent
// of the tool diameter), its two labels, and how many whole steps fit across a pocket.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "wizards/common/fields.h"
#include "wizards/common/numbertext.h"

namespace qorix {

inline constexpr const char* kStepWidthCaption =
    "Fogás szélessége a szerszám szélességének arányában: ";

// "50 %" and "2,5000 mm": the scroll position, and the step it gives with this tool.
std::string stepPercentLabel(int position);
std::string stepWidthLabel(const NumberText& num, long double toolDiameter, int position);

struct LateralSteps {
    std::int32_t count = 0;     // whole steps on each side
    long double remainder = 0;  // what is left to the wall after them
};

// The first i of 1..100 at which i double steps reach strictly beyond the width gives
// i - 1 whole steps (an exact multiple gives the quotient itself). A step so small that a
// hundred double steps stay within the width, a step of 0 % among them, has no count.
std::optional<LateralSteps> lateralSteps(long double width, long double step);
// The refusal of a step width without a count: a message that names the scroll bar.
void refuseStepWidth(int position, const FieldReader& read);

}  // namespace qorix
