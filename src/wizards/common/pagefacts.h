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
    // a slot: two half circles round its end centres joined by two lines
    enum class Shape { Circle, Rectangle, Slot } shape = Shape::Circle;
    // a circle's box, the rectangle's corners, or the slot's end centres
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    const char* name = "Munkadarab";  // as the legend tells it
    double width = 0;                 // the slot's
    double angle = 0;                 // a rectangle's turn about (x0, y0), degrees
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
Outline slot(long double ax, long double ay, long double bx, long double by, long double width);
// The points of a slot's outline in turn, closed (the last is the first), each half circle
// in `perEnd` pieces.
std::vector<std::array<double, 2>> slotOutline(const Outline& o, int perEnd = 24);
// The corners of a rectangle in turn, turned by its angle, closed (the last is the first).
std::vector<std::array<double, 2>> rectangleOutline(const Outline& o);

}  // namespace facts

}  // namespace qorix
