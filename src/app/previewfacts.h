// What a page tells the preview about the program it wrote: where the tool stands before it,
// the top of the part and the depth asked for, the tool's size, the outline of the stock or
// the part, the origin the program moves (G59 of the spiral) and the holes left out.
#pragma once

#include <optional>
#include <vector>

#include "program/reader.h"
#include "wizards/common/page.h"

namespace qorix {

struct Outline {
    enum class Shape { Circle, Rectangle } shape = Shape::Circle;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // a circle's box or the rectangle's corners
    const char* name = "Munkadarab";        // as the legend tells it
};

struct PreviewFacts {
    program::ReadOptions read;
    double toolDiameter = 0;  // 0: not known
    std::vector<Outline> outlines;
    std::optional<std::array<double, 3>> workOrigin;  // where the program puts its origin
    struct Point {
        double x = 0, y = 0;
    };
    std::vector<Point> leftOut;  // holes the hole selector left out
    double holeTop = 0, holeBottom = 0;
};

// From the page's values of its last reading (a press of "Létrehozás").
PreviewFacts previewFacts(const WizardPage& page);

}  // namespace qorix
