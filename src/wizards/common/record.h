// The values a page reads from its common fields.
#pragma once

#include <cstdint>

namespace qorix {

// The values a page reads from its fields. Kept for the page's life: a failed check leaves
// its member as the previous run left it.
struct CommonRecord {
    long double x = 0, y = 0, z = 0;  // start point; z is the stock's top
    long double safeOffset = 0;       // above the start Z
    long double safeZ = 0;            // start Z + safe offset: where rapids run
    long double depth = 0;            // below the start Z, negative
    long double toolDiameter = 0;
    long double stepLimit = 0;  // largest depth of one pass, the depth itself without a limit
    std::int32_t passes = 0;
    long double passDepth = 0;
    std::int32_t toolNumber = 0, spindleSpeed = 0, linearFeed = 0, arcFeed = 0;
    std::int32_t coolant = 0;  // the M code: 0 none, 7 mist, 8 flood
    bool comments = false;
    bool ccw = false;           // the milling direction: counter-clockwise
    bool spindleCcw = false;    // M4 instead of M3
    bool helicalEntry = false;  // down on a spiral path instead of straight down
    bool series = false;        // one of a series: no opening and closing lines
    bool error = false;         // a check of the last reading failed
};

}  // namespace qorix
