#include "program/measures.h"

#include <cmath>
#include <numbers>

namespace qorix::program {

namespace {

constexpr double kHalfPi = std::numbers::pi / 2;

void addPlace(Box& box, const Move& m) {
    if (m.known & kAxisX) box.add(0, m.x);
    if (m.known & kAxisY) box.add(1, m.y);
    if (m.known & kAxisZ) box.add(2, m.z);
}

// An arc reaches past its ends where it crosses the axes through its centre: into both boxes
// (the whole path's and the cuts'). The crossings are the quarter turns k·π/2 within its
// sweep, whose cosine and sine are exactly 1, 0, -1 or 0.
void addArcExtremes(Box& box, Box& cuts, const Arc& a, const Move& from) {
    static constexpr double kCos[] = {1, 0, -1, 0}, kSin[] = {0, 1, 0, -1};
    // a circle already inside both boxes adds nothing (a pocket's later rings)
    auto holds = [&a](const Box& b) {
        return a.cx - a.radius >= b.min[0] && a.cx + a.radius <= b.max[0] &&
               a.cy - a.radius >= b.min[1] && a.cy + a.radius <= b.max[1];
    };
    if (holds(box) && holds(cuts)) return;
    double a0 = std::atan2(from.y - a.cy, from.x - a.cx);
    double lo = a.sweep < 0 ? a0 + a.sweep : a0, hi = a.sweep < 0 ? a0 : a0 + a.sweep;
    for (double k = std::ceil(lo / kHalfPi); k * kHalfPi <= hi; ++k) {
        const auto quarter = static_cast<std::size_t>((static_cast<long long>(k) % 4 + 4) % 4);
        const double x = a.cx + a.radius * kCos[quarter], y = a.cy + a.radius * kSin[quarter];
        box.add(0, x);
        box.add(1, y);
        cuts.add(0, x);
        cuts.add(1, y);
    }
}

bool isCut(const Move& m) { return m.kind == MoveKind::Feed || m.kind == MoveKind::Arc; }

// A pass begins where a cut goes from the top (or above) into the part, and again where the
// tool, still in the part, cuts flat at a level lower than the one it cut before.
class PassCounter {
public:
    explicit PassCounter(double top) : top_(top) {}
    void add(const Move& from, const Move& to) {
        if (to.flags & kInCycle) return;
        if (from.z >= top_ && to.z < top_) {
            ++passes_;
            level_ = to.z;
            started_ = false;
            return;
        }
        if (to.z >= top_) return;
        bool flat = std::fabs(from.z - to.z) < 1e-9 &&
                    (std::fabs(from.x - to.x) > 1e-9 || std::fabs(from.y - to.y) > 1e-9);
        if (!flat) return;
        if (to.z < level_ - 1e-6 && started_) ++passes_;
        if (!started_ || to.z < level_) level_ = to.z;
        started_ = true;
    }
    void leave() { started_ = false; }
    std::size_t passes() const { return passes_; }

private:
    double top_;
    double level_ = 0;
    bool started_ = false;
    std::size_t passes_ = 0;
};

}  // namespace

double moveLength(const Toolpath& path, std::size_t index) {
    const Move& from = path.startOf(index);
    const Move& to = path.moves[index];
    if (from.known != kAxesAll || !path.isMotion(to)) return 0;
    double dz = to.z - from.z;
    if (to.kind == MoveKind::Arc) {
        const Arc& a = path.arcs[to.aux];
        const double along = a.sweep * a.radius;  // squares stay finite within kFarthest
        return std::sqrt(along * along + dz * dz);
    }
    return std::sqrt((to.x - from.x) * (to.x - from.x) + (to.y - from.y) * (to.y - from.y) +
                     dz * dz);
}

Measures measure(const Toolpath& path, const MeasureOptions& options) {
    Measures r;
    PassCounter passes(options.topZ);
    for (std::size_t i = 0; i < path.moves.size(); ++i) {
        const Move& to = path.moves[i];
        const Move& from = path.startOf(i);
        double length = moveLength(path, i);
        if (to.kind == MoveKind::Dwell) r.timeSeconds += to.aux / 1000.0;
        if (to.kind == MoveKind::ToolChange) ++r.toolChanges;
        if (to.kind == MoveKind::ToolChange) r.timeSeconds += options.toolChangeSeconds;
        if (!path.isMotion(to)) continue;
        ++r.moves;
        addPlace(r.bounds, to);
        if (to.known & kAxisZ && !(to.z >= r.lowestZ)) r.lowestZ = to.z;
        if (to.kind == MoveKind::Rapid) {
            r.rapidLength += length;
            if (options.rapidRate > 0) r.timeSeconds += length / options.rapidRate * 60;
            if (to.z >= options.topZ) passes.leave();
            continue;
        }
        r.cutLength += length;
        // a feed of a float's smallest makes a time past any sum: such a cut adds none
        if (double t = length / to.feed * 60; to.feed > 0 && std::isfinite(t)) r.timeSeconds += t;
        if (from.known == kAxesAll) addPlace(r.feedBounds, from);
        addPlace(r.feedBounds, to);
        if (to.kind == MoveKind::Arc && from.known == kAxesAll)
            addArcExtremes(r.bounds, r.feedBounds, path.arcs[to.aux], from);
        if (from.known == kAxesAll && isCut(to)) passes.add(from, to);
    }
    r.holes = path.holes.size();
    r.passes = passes.passes();
    return r;
}

}  // namespace qorix::program
