#include "program/checks.h"

#include <algorithm>
#include <cmath>

namespace qorix::program {

namespace {

// Heights are written with four decimals: closer than this is the same height.
constexpr double kSameHeight = 0.00005;

bool movesInXY(const Move& from, const Move& to) {
    return std::fabs(to.x - from.x) > 1e-9 || std::fabs(to.y - from.y) > 1e-9;
}

// Straight down is judged too, but not inside a drilling cycle's hole, where its rapids go
// back down what it drilled: only its rapid to the R plane.
void checkRapid(const Move& from, const Move& to, double top, std::vector<Warning>& warnings) {
    double low = std::min(from.z, to.z);
    if (!(low < top - kSameHeight)) return;
    if (movesInXY(from, to)) {
        warnings.push_back({WarningKind::RapidIntoPart, to.line, message::rapidIntoPart(low, top)});
        return;
    }
    bool judged = !(to.flags & kInCycle) || (to.flags & kToRPlane);
    if (judged && to.z < from.z - kSameHeight)
        warnings.push_back(
            {WarningKind::RapidIntoPart, to.line, message::rapidDownIntoPart(to.z, top)});
}

// Told where the tool goes below the depth, not again for every cut it makes down there.
void checkCut(const Move& from, const Move& to, double depth, std::vector<Warning>& warnings) {
    if (to.z < depth - kSameHeight && !(from.z < depth - kSameHeight))
        warnings.push_back({WarningKind::BelowDepth, to.line, message::belowDepth(to.z, depth)});
}

}  // namespace

void checkToolpath(const Toolpath& path, const CheckOptions& options,
                   std::vector<Warning>& warnings) {
    for (std::size_t i = 0; i < path.moves.size(); ++i) {
        const Move& from = path.startOf(i);
        const Move& to = path.moves[i];
        if (from.known != kAxesAll || !path.isMotion(to)) continue;
        if (to.kind == MoveKind::Rapid)
            checkRapid(from, to, options.topZ, warnings);
        else if (options.depthZ)
            checkCut(from, to, *options.depthZ, warnings);
    }
}

}  // namespace qorix::program
