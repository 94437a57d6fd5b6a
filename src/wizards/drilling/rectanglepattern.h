// The holes of a rectangular pattern: along its outline, or filling it as a grid. Holes are
// given in drilling order, around the outline or row by row in a zig-zag, so that the drill
// never travels back across the pattern. The hole selector numbers them as a machinist counts
// them: the grid row by row from the first hole, each row from the first column; the outline
// counter-clockwise from the first hole, whichever way the pitches' signs turn the walk.
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
    std::int64_t column = 0, row = 0;  // in the unturned pattern, from the first hole
    std::int64_t number = 0;           // the hole selector's, from 1
};

inline constexpr std::int64_t kMaxRectangleHoles = 10000;

// How many holes the pattern has (counts below 1 give 0); the outline of a single row or
// column is the row itself.
std::int64_t rectangleHoleCount(const RectanglePattern& p);

// The holes in drilling order; nullopt when there would be more than kMaxRectangleHoles.
std::optional<std::vector<PatternHole>> rectangleHoles(const RectanglePattern& p);

}  // namespace qorix
