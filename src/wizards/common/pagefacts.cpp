#include "wizards/common/pagefacts.h"

#include <algorithm>

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

}  // namespace qorix::facts
