#include "wizards/common/stepwidth.h"

namespace qorix {

namespace {
constexpr const char* kStepWidthZero =
    "A fogás szélessége 0 %, így a szerszám oldalirányban nem halad. Állítsd nagyobbra a "
    "\"Fogás szélessége a szerszám szélességének arányában\" értékét.";
constexpr const char* kStepWidthTooSmall =
    "A fogás szélessége túl kicsi: 100 oldalirányú fogás sem éri el a zseb falát. Állítsd "
    "nagyobbra a \"Fogás szélessége a szerszám szélességének arányában\" értékét.";
}  // namespace

std::string stepPercentLabel(int position) { return NumberText::whole(position) + " %"; }

std::string stepWidthLabel(const NumberText& num, long double toolDiameter, int position) {
    return num.f4(toolDiameter * position / 100) + " mm";
}

std::optional<LateralSteps> lateralSteps(long double width, long double step) {
    long double sum = 0;
    for (std::int32_t i = 1; i <= 100; ++i) {
        sum += 2 * step;
        if (sum > width) {
            LateralSteps s;
            s.count = i - 1;
            s.remainder = (width - 2 * step * s.count) / 2;
            return s;
        }
    }
    return std::nullopt;
}

void refuseStepWidth(int position, const FieldReader& read) {
    read.error(position == 0 ? kStepWidthZero : kStepWidthTooSmall);
}

}  // namespace qorix
