// The holes of a rectangular pattern: along its outline, or filling it as a grid. Holes are
// given in drilling order, which is also the order the hole selector numbers them in: the
// outline counter-clockwise from the first hole, the grid row by row in a zig-zag, so that
// the drill never travels back across the pattern.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace qorix {

struct RectanglePattern {
    long double x = 0, y = 0;  // the first hole, a corner of the pattern
    std::int64_t countX = 1, countY = 1;
    long double pitchX = 0, pitchY = 0;
    long double rotation = 0;  // degrees, about the first hole
    bool outline = true;       // "Kerület mentén"; otherwise "Teljes mező"
};

struct PatternHole {
    long double x = 0, y = 0;
};

inline constexpr std::int64_t kMaxRectangleHoles = 10000;

// How many holes the pattern has (counts below 1 give 0); the outline of a single row or
// column is the row itself.
std::int64_t rectangleHoleCount(const RectanglePattern& p);

// The holes in drilling order; nullopt when there would be more than kMaxRectangleHoles.
std::optional<std::vector<PatternHole>> rectangleHoles(const RectanglePattern& p);

}  // namespace qorix
