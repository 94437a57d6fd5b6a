#include "wizards/milling/slotpath.h"

#include <cmath>

namespace qorix {

namespace {

SlotPoint along(SlotPoint p, SlotPoint n, long double k) { return {p.x + k * n.x, p.y + k * n.y}; }

// The unit normal to the left of the line from a to b.
SlotPoint leftNormal(const SlotLine& line) {
    const long double len = slotLength(line);
    return {-(line.b.y - line.a.y) / len, (line.b.x - line.a.x) / len};
}

}  // namespace

long double slotLength(const SlotLine& line) {
    return std::hypot(line.b.x - line.a.x, line.b.y - line.a.y);
}

std::optional<std::vector<long double>> slotLoopOffsets(long double outermost,
                                                        long double toolDiameter,
                                                        std::int32_t most) {
    std::vector<long double> offsets;
    if (outermost <= 0) return offsets;
    const long double loops = std::ceil(outermost / (toolDiameter / 2));
    if (!(loops <= most)) return std::nullopt;
    const auto count = static_cast<std::int32_t>(loops);
    for (std::int32_t i = 1; i <= count; ++i) offsets.push_back(outermost * i / count);
    return offsets;
}

SlotPoint slotLoopStart(const SlotLine& line, long double offset, bool atSecondEnd) {
    const SlotPoint n = leftNormal(line);
    return atSecondEnd ? along(line.b, n, offset) : along(line.a, n, -offset);
}

std::vector<SlotPiece> slotLoop(const SlotLine& line, long double offset, bool ccw,
                                bool atSecondEnd) {
    const SlotPoint n = leftNormal(line);
    // the corners counter-clockwise from beside the first end, right of the line
    const SlotPoint p[4] = {along(line.a, n, -offset), along(line.b, n, -offset),
                            along(line.b, n, offset), along(line.a, n, offset)};
    // the counter-clockwise piece from corner i - 1 to corner i, or backwards from i to
    // i - 1: the half circles are the pieces that end at corners 2 (round b) and 0 (round a)
    auto piece = [&](int i, bool forward) {
        const int to = forward ? i : (i + 3) % 4;
        return SlotPiece{p[to], i % 2 == 0, forward, i == 2 ? line.b : line.a};
    };
    std::vector<SlotPiece> pieces;
    const int start = atSecondEnd ? 2 : 0;
    for (int k = 1; k <= 4; ++k) {
        if (ccw)
            pieces.push_back(piece((start + k) % 4, true));
        else
            pieces.push_back(piece((start - k + 1 + 8) % 4, false));
    }
    return pieces;
}

}  // namespace qorix
