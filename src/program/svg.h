// The toolpath as an SVG picture seen from above: rapids dashed, cuts solid, holes as circles
// of the drill's size, and a scale.
#pragma once

#include <string>

#include "program/drawstyle.h"
#include "program/measures.h"
#include "program/toolpath.h"

namespace qorix::program {

struct SvgOptions {
    double toolDiameter = 0;  // 0: not known
    double width = 640;       // pixels
    DrawStyle style = kDrawStyle;
};

std::string toSvg(const Toolpath& path, const Measures& measures, const SvgOptions& options);

}  // namespace qorix::program
