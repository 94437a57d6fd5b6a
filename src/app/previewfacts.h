// What the preview is told about a page's program: the reading's options (where the tool
// stands before it, the top of the part and the depth asked for) and what the page itself
// says (PageFacts: the tool's size, outlines, the origin the program moves, holes left out).
#pragma once

#include <optional>
#include <vector>

#include "program/reader.h"
#include "wizards/common/page.h"

namespace qorix {

struct PreviewFacts {
    program::ReadOptions read;
    double toolDiameter = 0;  // 0: not known
    std::vector<Outline> outlines;
    std::optional<std::array<double, 3>> workOrigin;  // where the program puts its origin
    using Point = PageFacts::Point;
    std::vector<Point> leftOut;  // holes the hole selector left out
    double holeTop = 0, holeBottom = 0;
    // A contour page's cut is as wide as its tool: the preview shows that width at first.
    bool toolWidthAtFirst = false;
};

// From the page's values of its last reading (a press of "Létrehozás").
PreviewFacts previewFacts(const WizardPage& page);

}  // namespace qorix
