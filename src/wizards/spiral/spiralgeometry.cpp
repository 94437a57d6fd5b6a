#include "wizards/spiral/spiralgeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qorix::spiral {

QuarterSigns quarterSigns(bool cw, int quarter) {
    // CW runs (+,+) (+,-) (-,-) (-,+); CCW mirrors X: (-,+) (-,-) (+,-) (+,+).
    static constexpr QuarterSigns kCw[4] = {{+1, +1}, {+1, -1}, {-1, -1}, {-1, +1}};
    static constexpr QuarterSigns kCcw[4] = {{-1, +1}, {-1, -1}, {+1, -1}, {+1, +1}};
    return (cw ? kCw : kCcw)[quarter & 3];
}

void SpiralState::reset(long double scale) {
    x = 0;
    y = 0;
    r = scale;
    p = 0;
}

void SpiralState::moveToQuarterEnd(bool cw, int quarter) {
    QuarterSigns s = quarterSigns(cw, quarter);
    x += s.dx * r;
    y += s.dy * r;
}

void SpiralState::advance() {
    spare = r;
    r = r + p;
    p = spare;
}

std::int64_t arcsPerPass(std::int32_t fullTurns, std::int32_t partTurns) {
    return 4 * static_cast<std::int64_t>(std::max<std::int32_t>(fullTurns, 0)) +
           std::max<std::int32_t>(partTurns, 0);
}

bool finiteSpiral(long double scale, bool cw, std::int64_t arcs) {
    // the machine reads a number as a double: anything larger counts as infinite
    const long double largest = std::numeric_limits<double>::max();
    auto readable = [largest](long double v) { return std::fabs(v) <= largest; };
    SpiralState s;
    s.reset(scale);
    if (!readable(s.r)) return false;
    for (std::int64_t n = 0; n < arcs; ++n) {
        s.moveToQuarterEnd(cw, static_cast<int>(n % 4));
        if (!readable(s.x) || !readable(s.y) || !readable(s.r)) return false;
        s.advance();
    }
    return true;
}

}  // namespace qorix::spiral
