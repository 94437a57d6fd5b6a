#include "wizards/thread/threadvalues.h"

#include <cmath>
#include <numbers>

namespace qorix {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// Counter-clockwise from +X, 0 to below 2 pi; a point on the centre gives 0.
long double directionAngle(long double dx, long double dy, int signDx, int signDy) {
    const long double a = std::atan2(std::fabs(dy), std::fabs(dx));
    if (signDx > 0 && signDy > 0) {
        if (dy == 0) return 0;
        if (dx == 0) return kPi / 2;
        return a;
    }
    if (signDx < 0 && signDy > 0) return kPi - a;
    if (signDx < 0 && signDy < 0) return kPi + a;
    if (dx == 0) return 3 * kPi / 2;
    return 2 * kPi - a;
}

}  // namespace

void ThreadRepairValues::ComputeThreadStart() {
    dx = measuredX - x;
    dy = measuredY - y;
    signDx = dx >= 0 ? 1 : -1;
    signDy = dy >= 0 ? 1 : -1;
    angle = directionAngle(dx, dy, signDx, signDy);
    if (!nut) {
        depthWithCorrection = depth + depthCorrection;
        fullDepthRadius = threadRadius - (depth + depthCorrection) + toolDiameter / 2;
    } else {
        depthWithCorrection = depthCorrection;
        fullDepthRadius = threadRadius + depthCorrection - toolDiameter / 2;
    }
    computedX = x + std::cos(angle) * fullDepthRadius;
    computedY = y + std::sin(angle) * fullDepthRadius;
    phase = angle / (2 * kPi) * pitch;
    // Every pass starts at angle 0 and descends clockwise (G2) for a right-hand thread, whose
    // groove rises counter-clockwise: at angle 0 it lies the phase below the measured point.
    // A left-hand thread descends counter-clockwise (G3): its groove lies the phase above.
    const long double offset = ccw ? phase : -phase;
    turns = (measuredZ - z + offset) / pitch + heightCorrection;
    // a half counts upwards
    wholeTurns = std::floor(std::fabs(turns) + 2 + 0.5L);
    helixStartZ = wholeTurns * pitch + offset + measuredZ + heightCorrection;
}

void ThreadRepairValues::ComputeStartX() {
    startX = !nut ? x + fullDepthRadius + depth : x + fullDepthRadius - depth;
}

}  // namespace qorix
