// What a page tells the preview about the program it wrote, from its last reading: where
// the tool stands before it (whose Z is the part's top), the depth asked for, the tool's
// size, the outline of the stock or the part, the origin the program moves and the holes
// left out. Each page says its own; a page that says nothing leaves the preview to the
// program alone.
#pragma once

#include <array>
#include <optional>
#include <vector>

namespace qorix {

struct Outline {
    enum class Shape { Circle, Rectangle } shape = Shape::Circle;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // a circle's box or the rectangle's corners
    const char* name = "Munkadarab";        // as the legend tells it
};

struct PageFacts {
    std::optional<std::array<double, 3>> start;  // the tool's place; its Z is the part's top
    std::optional<double> depthZ;
    double toolDiameter = 0;  // 0: not known
    std::vector<Outline> outlines;
    std::optional<std::array<double, 3>> workOrigin;  // where the program puts its origin
    struct Point {
        double x = 0, y = 0;
    };
    std::vector<Point> leftOut;  // holes the hole selector left out
    double holeTop = 0, holeBottom = 0;
    // A contour page cuts as wide as its tool: the preview shows that width at first.
    bool toolWidthAtFirst = false;
};

namespace facts {

inline double d(long double v) { return static_cast<double>(v); }

// The usual facts of a page at x y z whose depth counts down from its top (a positive depth
// is no cut).
PageFacts at(long double x, long double y, long double z, long double depth,
             long double toolDiameter);
Outline circle(long double cx, long double cy, long double diameter);

}  // namespace facts

}  // namespace qorix
