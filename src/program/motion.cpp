#include "program/motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qorix::program {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// The sweep from the start's radius (sx, sy) to the end's (ex, ey) in the given direction,
// in (0, 2π] (negative for CW): one angle between the two, turned the way the arc goes.
double sweepBetween(double sx, double sy, double ex, double ey, bool ccw) {
    double between = std::atan2(sx * ey - sy * ex, sx * ex + sy * ey);  // (-π, π], CCW
    double d = ccw ? between : -between;
    if (d <= 1e-12) d += kTwoPi;
    return ccw ? d : -d;
}

}  // namespace

PathBuilder::PathBuilder(Toolpath& path, std::vector<Warning>& warnings)
    : path_(path), warnings_(warnings) {}

void PathBuilder::warn(WarningKind kind, std::string text) {
    warnings_.push_back({kind, line_, std::move(text)});
}

void PathBuilder::selectWork(int system) {
    work_ = system;
    if (!originSet_[static_cast<std::size_t>(system)] &&
        !originWarned_[static_cast<std::size_t>(system)]) {
        originWarned_[static_cast<std::size_t>(system)] = true;
        warn(WarningKind::UnknownWorkOrigin, message::unknownWorkOrigin(system));
    }
}

void PathBuilder::setWorkOrigin(int system, const AxisWords& words) {
    auto& origin = origins_[static_cast<std::size_t>(system)];
    for (std::size_t a = 0; a < 3; ++a)
        if (words.given & (1u << a)) origin[a] = words.v[a];
    originSet_[static_cast<std::size_t>(system)] = true;
}

void PathBuilder::setStart(const AxisWords& machine) {
    for (std::size_t a = 0; a < 3; ++a)
        if (machine.given & (1u << a)) pos_[a] = machine.v[a];
    known_ |= machine.given;
    path_.start.x = pos_[0];
    path_.start.y = pos_[1];
    path_.start.z = pos_[2];
    path_.start.known = known_;
}

std::array<double, 3> PathBuilder::target(const AxisWords& words, std::uint8_t& known) const {
    std::array<double, 3> at = pos_;
    const auto& origin = origins_[static_cast<std::size_t>(work_)];
    for (std::size_t a = 0; a < 3; ++a)
        if (words.given & (1u << a)) at[a] = words.v[a] + origin[a];
    known = known_ | words.given;
    return at;
}

void PathBuilder::push(MoveKind kind, const std::array<double, 3>& at, std::uint8_t known,
                       double feed, std::uint32_t aux, std::uint8_t flags) {
    if (kind <= MoveKind::Arc && !representable(at)) return;
    if (path_.moves.size() >= budget_) {
        if (!exhausted_) warn(WarningKind::MoveBudget, message::moveBudget(budget_));
        exhausted_ = true;
        return;
    }
    Move m;
    m.x = at[0];
    m.y = at[1];
    m.z = at[2];
    m.feed = static_cast<float>(feed);
    m.line = line_;
    m.aux = aux;
    m.kind = kind;
    m.known = known;
    m.flags = flags;
    path_.moves.push_back(m);
    pos_ = at;
    known_ = known;
}

bool PathBuilder::representable(const std::array<double, 3>& at) {
    for (double v : at)
        if (!(std::fabs(v) <= kFarthest)) {
            warn(WarningKind::NotFinite, message::notFinite());
            return false;
        }
    return true;
}

void PathBuilder::straight(MoveKind kind, const AxisWords& words, double feed) {
    std::uint8_t known = 0;
    auto at = target(words, known);
    push(kind, at, known, feed);
}

void PathBuilder::event(MoveKind kind, std::uint32_t aux) { push(kind, pos_, known_, 0, aux); }

void PathBuilder::arcMove(const Arc& a, const std::array<double, 3>& end, std::uint8_t known,
                          double feed) {
    path_.arcs.push_back(a);
    push(MoveKind::Arc, end, known, feed, static_cast<std::uint32_t>(path_.arcs.size() - 1));
}

// The centre of an R arc: on the chord's right for a CW arc of positive R (the short way
// round), on its left for CCW; a negative R takes the long way, the other side.
bool PathBuilder::rCentre(const ArcWords& w, const std::array<double, 3>& end, double& cx,
                          double& cy) {
    double dx = end[0] - pos_[0], dy = end[1] - pos_[1];
    double chord = std::hypot(dx, dy), r = std::fabs(w.r);  // the end is not checked yet
    // Ends where it starts: the control stops here. An R0 "arc" where the tool stands (the
    // pocket page's when the pocket is as wide as the tool) moves nothing and is let be.
    if (chord < kRounding) {
        if (r > kRounding) warn(WarningKind::RArcNoChord, message::rArcNoChord());
        return false;
    }
    if (chord > 2 * r + kRounding) {
        warn(WarningKind::RArcTooShort, message::rArcTooShort(chord, r));
        return false;
    }
    double h = std::sqrt(std::max(0.0, r * r - chord * chord / 4));
    bool right = (!w.ccw) == (w.r > 0);
    double nx = right ? dy / chord : -dy / chord, ny = right ? -dx / chord : dx / chord;
    cx = pos_[0] + dx / 2 + nx * h;
    cy = pos_[1] + dy / 2 + ny * h;
    return true;
}

void PathBuilder::arc(const ArcWords& w, const AxisWords& words, double feed) {
    std::uint8_t known = 0;
    auto end = target(words, known);
    if ((known_ & (kAxisX | kAxisY)) != (kAxisX | kAxisY)) {
        warn(WarningKind::ArcFromUnknown, message::arcFromUnknown());
        push(MoveKind::Feed, end, known, feed);
        return;
    }
    Arc a;
    if (w.hasR) {
        if (!rCentre(w, end, a.cx, a.cy)) return push(MoveKind::Feed, end, known, feed);
    } else {
        a.cx = pos_[0] + w.i;
        a.cy = pos_[1] + w.j;
    }
    // squares stay finite: every place and centre kept is within kFarthest
    const double sx = pos_[0] - a.cx, sy = pos_[1] - a.cy;
    const double ex = end[0] - a.cx, ey = end[1] - a.cy;
    a.radius = std::sqrt(sx * sx + sy * sy);
    if (!representable({a.cx, a.cy, a.radius}) || !representable(end)) return;
    if (!w.hasR) {
        double off = std::fabs(std::sqrt(ex * ex + ey * ey) - a.radius);
        if (off > kRounding) warn(WarningKind::ArcOffCircle, message::arcOffCircle(off));
    }
    const double cx = end[0] - pos_[0], cy = end[1] - pos_[1];
    bool full = cx * cx + cy * cy < 1e-14;
    a.sweep = full ? (w.ccw ? kTwoPi : -kTwoPi) : sweepBetween(sx, sy, ex, ey, w.ccw);
    arcMove(a, end, known, feed);
}

void PathBuilder::goTo(MoveKind kind, std::array<double, 3> at, double feed) {
    push(kind, at, static_cast<std::uint8_t>(known_ | kAxisZ), feed, 0, kInCycle);
}

// Down from the R plane to the bottom in pecks of q: G83 goes back up to the R plane after
// each peck and rapids down to just above where it stopped; G73 only backs off a little.
// The pecks are counted first and the loop runs that count, so a Q too small for its hole
// (a typed 0,001 for 1, or one below the depths' rounding) cannot make millions of moves or
// spin: past kMaxPecks the hole is drawn as one peck, and a warning says so.
void PathBuilder::peck(int code, double top, double bottom, double q, double feed, Hole& hole) {
    const double span = top - bottom;
    if (!(span > 1e-9)) return;
    double count = q > 0 ? std::ceil(span / q - 1e-9) : 1;
    if (!(count <= kMaxPecks)) {
        warn(WarningKind::TooManyPecks, message::tooManyPecks(q, kMaxPecks));
        count = 1;
    }
    const auto pecks = static_cast<std::uint32_t>(std::max(count, 1.0));
    double reached = top;
    for (std::uint32_t i = 1; i <= pecks; ++i) {
        if (i > 1 && code == 83) goTo(MoveKind::Rapid, {pos_[0], pos_[1], reached + backOff_}, 0);
        reached = i == pecks ? bottom : std::max(top - q * i, bottom);
        goTo(MoveKind::Feed, {pos_[0], pos_[1], reached}, feed);
        ++hole.pecks;
        if (i == pecks || exhausted_) break;
        double back = code == 83 ? top : std::min(reached + backOff_, top);
        goTo(MoveKind::Rapid, {pos_[0], pos_[1], back}, 0);
    }
}

void PathBuilder::drill(const CycleWords& c, const AxisWords& words, double feed) {
    if (!c.hasZ || !c.hasR) {
        warn(WarningKind::CycleWithoutDepth, message::cycleWithoutDepth());
        return;
    }
    const double originZ = origins_[static_cast<std::size_t>(work_)][2];
    const double rPlane = c.r + originZ, bottom = c.z + originZ;
    if (rPlane < bottom) {
        warn(WarningKind::RPlaneBelowBottom, message::rPlaneBelowBottom(c.r, c.z));
        return;
    }
    std::uint8_t known = 0;
    auto hole = target(AxisWords{words.v, static_cast<std::uint8_t>(words.given & 3)}, known);
    Hole h{hole[0], hole[1], bottom, line_, 0, static_cast<std::uint32_t>(path_.moves.size())};
    if ((known_ & kAxisZ) && pos_[2] < rPlane) goTo(MoveKind::Rapid, {pos_[0], pos_[1], rPlane}, 0);
    push(MoveKind::Rapid, {hole[0], hole[1], pos_[2]}, known, 0, 0, kInCycle);
    push(MoveKind::Rapid, {hole[0], hole[1], rPlane}, static_cast<std::uint8_t>(known_ | kAxisZ), 0,
         0, kInCycle | kToRPlane);
    // G81 takes no Q: a Q left from an earlier cycle does not split its one feed
    peck(c.code, rPlane, bottom, c.code == 81 ? 0 : std::fabs(c.q), feed, h);
    bool initial = c.toInitialLevel && initialKnown_ && initialZ_ > rPlane;
    goTo(MoveKind::Rapid, {hole[0], hole[1], initial ? initialZ_ : rPlane}, 0);
    path_.holes.push_back(h);
}

}  // namespace qorix::program
