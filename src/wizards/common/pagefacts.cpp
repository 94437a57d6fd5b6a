#include "wizards/common/pagefacts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qorix::facts {

PageFacts at(long double x, long double y, long double z, long double depth,
             long double toolDiameter) {
    PageFacts f;
    f.start = std::array<double, 3>{d(x), d(y), d(z)};
    f.depthZ = d(z + std::min<long double>(depth, 0));
    f.toolDiameter = d(toolDiameter);
    return f;
}

Outline circle(long double cx, long double cy, long double diameter) {
    const double r = d(diameter) / 2;
    return {Outline::Shape::Circle, d(cx) - r, d(cy) - r, d(cx) + r, d(cy) + r};
}

Outline slot(long double ax, long double ay, long double bx, long double by, long double width) {
    Outline o{Outline::Shape::Slot, d(ax), d(ay), d(bx), d(by), "Horony"};
    o.width = d(width);
    return o;
}

std::vector<std::array<double, 2>> slotOutline(const Outline& o, int perEnd) {
    const double r = o.width / 2;
    // the direction from the first end to the second; two equal ends make a circle
    const double along = std::atan2(o.y1 - o.y0, o.x1 - o.x0);
    std::vector<std::array<double, 2>> points;
    for (int end = 0; end < 2; ++end) {
        const double cx = end == 0 ? o.x1 : o.x0, cy = end == 0 ? o.y1 : o.y0;
        const double from = along - std::numbers::pi / 2 + end * std::numbers::pi;
        for (int i = 0; i <= perEnd; ++i) {
            const double a = from + std::numbers::pi * i / perEnd;
            points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
        }
    }
    points.push_back(points.front());
    return points;
}

std::vector<std::array<double, 2>> rectangleOutline(const Outline& o) {
    if (o.angle == 0) return {{o.x0, o.y0}, {o.x1, o.y0}, {o.x1, o.y1}, {o.x0, o.y1}, {o.x0, o.y0}};
    const double a = o.angle * std::numbers::pi / 180;
    const double c = std::cos(a), s = std::sin(a);
    const double w = o.x1 - o.x0, h = o.y1 - o.y0;
    std::vector<std::array<double, 2>> points;
    for (const auto& [u, v] : {std::array{0.0, 0.0}, {w, 0.0}, {w, h}, {0.0, h}, {0.0, 0.0}})
        points.push_back({o.x0 + u * c - v * s, o.y0 + u * s + v * c});
    return points;
}

}  // namespace qorix::facts
