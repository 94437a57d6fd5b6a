// The values a page reads from its common fields.
#pragma once

#include <cstdint>

namespace qorix {

// The values a page reads from its fields. Kept for the page's life: a failed check leaves
// its member as the previous run left it.
struct CommonRecord {
    long double x = 0, y = 0, z = 0, zsb = 0, zs = 0;
    long double m = 0, sz = 0, szc = 0;
    std::int32_t passes = 0;
    long double passDepth = 0;
    std::int32_t tool = 0, spindle = 0, g1 = 0, g23 = 0;
    std::int32_t comments = 0, coolant = 0, ccw = 0, m4 = 0, zEntry = 0, series = 0;
    std::int32_t error = 0;
};

}  // namespace qorix
