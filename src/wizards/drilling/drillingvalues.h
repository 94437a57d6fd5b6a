// The bolt-circle page's values and its hole table: what the program is written from, what
// the hole selector shows and flags, and what the About window lists (under the "u8_" keys).
#pragma once

#include <array>
#include <cstdint>

namespace qorix {

struct DrillingValues {
    long double centreX = 0, centreY = 0;
    long double startZ = 0, safeOffset = 0, safeZ = 0;
    long double drillDiameter = 0;
    long double peckDepth = 0;  // the Q word; the depth itself when there is no peck
    long double circleDiameter = 0, radius = 0;

    // Entries 0..1000; entry 0 holds rotation, centre X, centre Y; a hole's entry holds its
    // angle, X offset, Y offset, cosine, sine.
    std::array<std::array<long double, 5>, 1001> table{};
    std::array<bool, 1001> drillFlags{};  // drilled, or left out
    std::int32_t preparedCount = 0;       // holes in the prepared table; 0: none
    std::int32_t writtenCount = 0;        // holes of the last written program
};

}  // namespace qorix
