// The face-milling and slot programs, read move by move, do what a machinist relies on, over
// a spread of sizes, steps, angles and choices: the face is swept whole at the final depth,
// the tool goes down only beside the stock and never below the depth, rapids run at safe Z;
// the slot's cut stays inside its outline and clears it all at the final depth.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "program/readsupport.h"
#include "wizards/common/pagefacts.h"

namespace qorix::test {
namespace {

using program::MoveKind;

constexpr double kTol = 2e-4;  // the programs' four decimals

// A cutting move at one Z seen from above: a line, or an arc round (cx, cy).
struct Piece {
    double ax, ay, bx, by;
    const program::Arc* arc = nullptr;
};

double toSegment(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / len2, 0.0, 1.0) : 0;
    return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

double toPiece(double px, double py, const Piece& p) {
    if (!p.arc) return toSegment(px, py, p.ax, p.ay, p.bx, p.by);
    const program::Arc& a = *p.arc;
    // the angle of the point from the arc's start, in the arc's own direction
    const double a0 = std::atan2(p.ay - a.cy, p.ax - a.cx), ap = std::atan2(py - a.cy, px - a.cx);
    double along =
        std::fmod((a.sweep > 0 ? ap - a0 : a0 - ap) + 4 * std::numbers::pi, 2 * std::numbers::pi);
    if (along <= std::fabs(a.sweep)) return std::fabs(std::hypot(px - a.cx, py - a.cy) - a.radius);
    return std::min(std::hypot(px - p.ax, py - p.ay), std::hypot(px - p.bx, py - p.by));
}

// The feeds and arcs that run wholly at z.
std::vector<Piece> piecesAt(const program::Toolpath& path, double z) {
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < path.moves.size(); ++i) {
        const auto &m = path.moves[i], &s = path.startOf(i);
        if (m.kind != MoveKind::Feed && m.kind != MoveKind::Arc) continue;
        if (std::fabs(m.z - z) > kTol || std::fabs(s.z - z) > kTol) continue;
        pieces.push_back(
            {s.x, s.y, m.x, m.y, m.kind == MoveKind::Arc ? &path.arcs[m.aux] : nullptr});
    }
    return pieces;
}

bool covered(double x, double y, const std::vector<Piece>& pieces, double r) {
    return std::any_of(pieces.begin(), pieces.end(),
                       [&](const Piece& p) { return toPiece(x, y, p) <= r + kTol; });
}

program::ReadResult readGenerated(const std::string& wizard, std::vector<std::string> args,
                                  double top, double depth) {
    args.insert(args.begin(), "--decimal-separator=.");
    program::ReadOptions o;
    o.decimalSeparator = '.';
    o.topZ = top;
    o.depthZ = top + depth;
    auto r = program::readProgram(generated(wizard, args), o);
    EXPECT_TRUE(r.warnings.empty()) << describe(r.warnings);
    EXPECT_TRUE(r.ended);
    return r;
}

// No move below the depth; a rapid ends at safe Z and moves sideways only there.
void expectDepthAndRapids(const program::Toolpath& path, double bottom, double safeZ) {
    for (std::size_t i = 0; i < path.moves.size(); ++i) {
        const auto &m = path.moves[i], &s = path.startOf(i);
        if (!path.isMotion(m)) continue;
        EXPECT_GE(m.z, bottom - kTol) << "line " << m.line;
        if (m.kind != MoveKind::Rapid) continue;
        EXPECT_NEAR(m.z, safeZ, kTol) << "line " << m.line;
        const bool sideways = (s.known & program::kAxisX) && (m.x != s.x || m.y != s.y);
        if (sideways) {
            EXPECT_NEAR(s.z, safeZ, kTol) << "line " << m.line;
        }
    }
}

struct FaceCase {
    double x, y, width, length, tool;
    int step;
    std::string overrun;  // empty: the default
    int pattern;
    std::string stepLimit;  // empty: "nincs"
    double depth;
};

std::vector<std::string> faceArgs(const FaceCase& c) {
    auto n = [](double v) { return std::to_string(v); };
    std::vector<std::string> args = {"Edit_x_=" + n(c.x),
                                     "Edit_y_=" + n(c.y),
                                     "Edit_xd_=" + n(c.width),
                                     "Edit_yd_=" + n(c.length),
                                     "Edit_sz_=" + n(c.tool),
                                     "ScrollBar1=" + std::to_string(c.step),
                                     "RadioGroup_p_=" + std::to_string(c.pattern),
                                     "Edit_z_=3",
                                     "Edit_m_=" + n(c.depth)};
    if (!c.overrun.empty()) args.push_back("Edit_ov_=" + c.overrun);
    if (!c.stepLimit.empty())
        args.insert(args.end(), {"CheckBox_szc_=0", "Edit_szc_=" + c.stepLimit});
    return args;
}

// Every move down below the top starts at least a radius and 1 mm beside the stock.
void expectPlungesBesideTheStock(const program::Toolpath& path, const FaceCase& c, double top) {
    for (std::size_t i = 0; i < path.moves.size(); ++i) {
        const auto &m = path.moves[i], &s = path.startOf(i);
        if (m.kind != MoveKind::Feed || m.z >= s.z - kTol || m.z >= top) continue;
        const double dx = std::max({c.x - m.x, m.x - c.x - c.width, 0.0});
        const double dy = std::max({c.y - m.y, m.y - c.y - c.length, 0.0});
        EXPECT_GE(std::hypot(dx, dy), c.tool / 2 + 1 - kTol) << "plunge on line " << m.line;
    }
}

TEST(MillingSound, FaceIsSweptWholeAndTheToolGoesDownOnlyBesideTheStock) {
    const FaceCase cases[] = {
        {0, 0, 80, 50, 20, 70, "", 0, "", -1},        {-12.5, 7, 33.3, 91, 10, 90, "0", 1, "", -2},
        {5, -40, 7, 12, 20, 10, "25", 0, "0.4", -1},  {0, 0, 100, 3, 16, 50, "2", 1, "0.7", -2},
        {100, 100, 41, 41, 6, 33, "3", 0, "1", -2.5}, {0, 0, 56, 20, 20, 70, "11", 1, "", -0.5},
    };
    for (const FaceCase& c : cases) {
        SCOPED_TRACE("width " + std::to_string(c.width) + " step " + std::to_string(c.step));
        auto r = readGenerated("face-milling", faceArgs(c), 3, c.depth);
        const double bottom = 3 + c.depth;
        expectDepthAndRapids(r.path, bottom, 8);
        expectPlungesBesideTheStock(r.path, c, 3);
        const auto pieces = piecesAt(r.path, bottom);
        for (int i = 0; i <= 40; ++i)
            for (int j = 0; j <= 40; ++j) {
                const double px = c.x + c.width * i / 40, py = c.y + c.length * j / 40;
                ASSERT_TRUE(covered(px, py, pieces, c.tool / 2)) << "uncut at " << px << " " << py;
            }
    }
}

struct SlotCase {
    double length, angle, width, tool, allowance;
    int entry, direction;
    std::string stepLimit;  // empty: "nincs"
};

// A point of a cutting move, k of `parts` along it.
std::array<double, 2> pointAlong(const Piece& p, int k, int parts) {
    if (!p.arc) return {p.ax + (p.bx - p.ax) * k / parts, p.ay + (p.by - p.ay) * k / parts};
    const double a = std::atan2(p.ay - p.arc->cy, p.ax - p.arc->cx) + p.arc->sweep * k / parts;
    return {p.arc->cx + p.arc->radius * std::cos(a), p.arc->cy + p.arc->radius * std::sin(a)};
}

// Below the top, the tool's centre stays within `reach` of the centre line a-b: its edge
// within the outline. A slot as wide as the tool has no arc.
void expectInsideTheSlot(const program::Toolpath& path, const std::array<double, 4>& ab,
                         double reach) {
    for (std::size_t i = 0; i < path.moves.size(); ++i) {
        const auto &m = path.moves[i], &s = path.startOf(i);
        if ((m.kind != MoveKind::Feed && m.kind != MoveKind::Arc) || m.z >= -kTol) continue;
        const Piece p{s.x, s.y, m.x, m.y, m.kind == MoveKind::Arc ? &path.arcs[m.aux] : nullptr};
        EXPECT_FALSE(reach == 0 && p.arc) << "line " << m.line;
        for (int k = 0; k <= 32; ++k) {
            const auto [x, y] = pointAlong(p, k, 32);
            ASSERT_LE(toSegment(x, y, ab[0], ab[1], ab[2], ab[3]), reach + kTol)
                << "line " << m.line;
        }
    }
}

TEST(MillingSound, SlotCutStaysInsideItsOutlineAndClearsIt) {
    const SlotCase cases[] = {
        {40, 0, 8, 5, 0, 0, 0, ""},        {25, 30, 5, 5, 0, 1, 0, "0.5"},
        {10, 90, 20, 6, 0.3, 0, 1, "1"},   {3, 135, 12.5, 4, 0, 1, 1, ""},
        {60, 200, 9, 8, 0.5, 0, 0, "0.7"}, {0.5, -45, 30, 10, 2, 1, 0, ""},
    };
    for (const SlotCase& c : cases) {
        SCOPED_TRACE("angle " + std::to_string(c.angle) + " width " + std::to_string(c.width));
        const double angle = c.angle * std::numbers::pi / 180;
        // the second end rounded to four decimals, as the program and the reader have it
        const double bx = std::round((4 + c.length * std::cos(angle)) * 1e4) / 1e4;
        const double by = std::round((-3 + c.length * std::sin(angle)) * 1e4) / 1e4;
        auto n = [](double v) { return std::to_string(v); };
        std::vector<std::string> args = {"Edit_x_=4",
                                         "Edit_y_=-3",
                                         "Edit_x2_=" + n(bx),
                                         "Edit_y2_=" + n(by),
                                         "Edit_w_=" + n(c.width),
                                         "Edit_sz_=" + n(c.tool),
                                         "Edit_ra_=" + n(c.allowance),
                                         "RadioGroup_e_=" + std::to_string(c.entry),
                                         "RadioGroup_cw_=" + std::to_string(c.direction),
                                         "Edit_m_=-2"};
        if (!c.stepLimit.empty())
            args.insert(args.end(), {"CheckBox_szc_=0", "Edit_szc_=" + c.stepLimit});
        auto r = readGenerated("slot", args, 0, -2);
        expectDepthAndRapids(r.path, -2, 5);
        expectInsideTheSlot(r.path, {4, -3, bx, by}, c.width / 2 - c.tool / 2);
        // every point of the outline's grid is under the tool at the final depth
        const auto pieces = piecesAt(r.path, -2);
        const double half = c.width / 2, x0 = std::min(4.0, bx) - half,
                     y0 = std::min(-3.0, by) - half;
        const double w = std::fabs(bx - 4) + c.width, h = std::fabs(by + 3) + c.width;
        for (int i = 0; i <= 60; ++i)
            for (int j = 0; j <= 60; ++j) {
                const double px = x0 + w * i / 60, py = y0 + h * j / 60;
                if (toSegment(px, py, 4, -3, bx, by) > half) continue;
                ASSERT_TRUE(covered(px, py, pieces, c.tool / 2)) << "uncut at " << px << " " << py;
            }
    }
}

// The preview's slot outline runs at half the width from the centre line, round both ends.
TEST(MillingSound, SlotOutlineOfThePreviewRunsAtHalfTheWidth) {
    const Outline o = facts::slot(4, -3, -20, 7, 9);
    const auto points = facts::slotOutline(o, 16);
    ASSERT_EQ(points.size(), 35u);
    EXPECT_EQ(points.front(), points.back());
    double farthest = 0;
    for (const auto& [x, y] : points) {
        EXPECT_NEAR(toSegment(x, y, 4, -3, -20, 7), 4.5, 1e-9);
        farthest = std::max(farthest, std::hypot(x - 4, y + 3));
    }
    EXPECT_NEAR(farthest, 26 + 4.5, 1e-9);  // the far end's cap, 26 from the first end
}

}  // namespace
}  // namespace qorix::test
