// The slot's geometry: a straight slot with round ends around the segment between its two
// end centres. The tool clears it by loops around that segment, each loop at one offset from
// it (two lines and two half circles). Plain functions, so that the paths can be checked
// without a page.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace qorix {

struct SlotPoint {
    long double x = 0, y = 0;
};

// One piece of a loop: a line, or a half circle round `centre`, to `to`.
struct SlotPiece {
    SlotPoint to;
    bool arc = false;
    bool ccw = false;
    SlotPoint centre;  // of the arc
};

struct SlotLine {
    SlotPoint a, b;  // the two end centres
};

// The offsets of the clearing loops from the centre line, out to `outermost` (the tool
// centre's offset when its edge reaches the roughed wall). Evenly spaced, at most half the
// tool apart, so that each loop overlaps the last; none when the centre line alone clears
// the width. Nothing when more than `most` loops would be needed.
std::optional<std::vector<long double>> slotLoopOffsets(long double outermost,
                                                        long double toolDiameter,
                                                        std::int32_t most);

// The point where a loop at `offset` starts and ends: beside the first end (right of the
// line from a to b), or beside the second end (left of it).
SlotPoint slotLoopStart(const SlotLine& line, long double offset, bool atSecondEnd);

// The four pieces of the loop at `offset` from its start, counter-clockwise or clockwise.
std::vector<SlotPiece> slotLoop(const SlotLine& line, long double offset, bool ccw,
                                bool atSecondEnd);

long double slotLength(const SlotLine& line);

}  // namespace qorix
