// The geometry of the Fibonacci spiral: a chain of quarter arcs, each ending R away from its
// start in both axes, whose radii grow by the Fibonacci rule. Both program forms take their
// signs from the one quarter table here.
#pragma once

#include <cstdint>

namespace qorix::spiral {

// Sign of the change of X and Y for quarter 0..3 of a turn.
struct QuarterSigns {
    int dx;
    int dy;
};
QuarterSigns quarterSigns(bool cw, int quarter);

// Where the pen is while the plain program is written: the end point of the last arc, the
// current radius R, the previous radius P and the copy of R used while the radii advance.
struct SpiralState {
    long double x = 0, y = 0, r = 0, p = 0, spare = 0;

    // Every pass starts at X0 Y0 with R = scale and P = 0.
    void reset(long double scale);
    // Moves the end point to the end of the next arc, in quarter 0..3 of a turn.
    void moveToQuarterEnd(bool cw, int quarter);
    // R := R + P, P := the old R.
    void advance();
};

// Arcs of one pass: four for each full turn and one for each extra quarter. A negative
// count of full turns writes no full turn.
std::int64_t arcsPerPass(std::int32_t fullTurns, std::int32_t partTurns);

// Whether every end point and radius of the first `arcs` arcs is a number the machine can
// read (within the range of a double); a large scale or many turns make the radii overflow.
// It is decided before a line is written: such a program could take gigabytes.
bool finiteSpiral(long double scale, bool cw, std::int64_t arcs);

}  // namespace qorix::spiral
