// The rectangle hole pattern's programs, read move by move, over a spread of counts,
// pitches, angles, patterns and cycles: every hole of the pattern is drilled exactly once at
// its point and to the depth, no other hole is drilled, and the drill only ever moves on to
// a neighbouring hole. With holes chosen by number (the grid row by row, the outline
// counter-clockwise from the first hole) exactly the chosen ones are drilled, each once, in
// the order of the whole pattern.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "program/readsupport.h"

namespace qorix::test {
namespace {

constexpr double kTol = 2e-4;  // the programs' four decimals

struct HoleCase {
    int nx, ny;
    double px, py, angle, x, y;
    bool grid;
    int cycle;  // item of " Fúró kód ": G81, G73, G83
};

using Point = std::array<double, 2>;

// The pattern's points worked out from its rows and columns, numbered as the user counts
// them: the grid row by row; the outline counter-clockwise about its middle from the first
// hole, a single row or column from the first hole on.
std::vector<Point> numberedPoints(const HoleCase& c) {
    const double a = c.angle * std::numbers::pi / 180;
    std::vector<Point> points;
    for (int j = 0; j < c.ny; ++j)
        for (int i = 0; i < c.nx; ++i) {
            const bool edge = i == 0 || j == 0 || i == c.nx - 1 || j == c.ny - 1;
            if (!c.grid && !edge) continue;
            const double dx = i * c.px, dy = j * c.py;
            points.push_back({c.x + dx * std::cos(a) - dy * std::sin(a),
                              c.y + dx * std::sin(a) + dy * std::cos(a)});
        }
    if (c.grid) return points;
    const Point first = points[0];
    Point mid{0, 0};
    for (const auto& p : points)
        mid = {mid[0] + p[0] / points.size(), mid[1] + p[1] / points.size()};
    auto key = [&](const Point& p) {
        if (c.nx == 1 || c.ny == 1) return std::hypot(p[0] - first[0], p[1] - first[1]);
        const double turn = std::atan2(p[1] - mid[1], p[0] - mid[0]) -
                            std::atan2(first[1] - mid[1], first[0] - mid[0]);
        return std::remainder(turn - std::numbers::pi, 2 * std::numbers::pi) + std::numbers::pi;
    };
    std::stable_sort(points.begin() + 1, points.end(),
                     [&](const Point& p, const Point& q) { return key(p) < key(q); });
    return points;
}

std::vector<std::string> holeArgs(const HoleCase& c) {
    auto n = [](double v) { return std::to_string(v); };
    return {"--decimal-separator=.",
            "Edit_x_=" + n(c.x),
            "Edit_y_=" + n(c.y),
            "Edit_drx_=" + std::to_string(c.nx),
            "Edit_dry_=" + std::to_string(c.ny),
            "Edit_tx_=" + n(c.px),
            "Edit_ty_=" + n(c.py),
            "Edit_ane_=" + n(c.angle),
            "Edit_sz_=3",
            "RadioGroup_mt_=" + std::string(c.grid ? "1" : "0"),
            "RadioGroup_g8_=" + std::to_string(c.cycle)};
}

program::ReadResult readHoles(const HoleCase& c, const std::string& chosen) {
    auto args = holeArgs(c);
    if (!chosen.empty()) args.push_back("--holes=" + chosen);
    program::ReadOptions o;
    o.decimalSeparator = '.';
    o.topZ = 0;
    o.depthZ = -10;
    auto r = program::readProgram(generated("rectangle-holes", args), o);
    EXPECT_TRUE(r.warnings.empty()) << describe(r.warnings);
    EXPECT_TRUE(r.ended);
    return r;
}

// Which drilled hole stands at p; -1 for none, -2 for more than one.
int drilledAt(const program::Toolpath& path, const Point& p) {
    int found = -1;
    for (std::size_t k = 0; k < path.holes.size(); ++k)
        if (std::hypot(path.holes[k].x - p[0], path.holes[k].y - p[1]) < kTol)
            found = found == -1 ? static_cast<int>(k) : -2;
    return found;
}

// Every hole once, to the depth, each step on to a neighbour.
void checkAllHoles(const HoleCase& c, const program::Toolpath& all,
                   const std::vector<Point>& points) {
    const auto& holes = all.holes;
    ASSERT_EQ(holes.size(), points.size());
    for (const auto& p : points) EXPECT_GE(drilledAt(all, p), 0) << p[0] << " " << p[1];
    for (std::size_t i = 0; i < holes.size(); ++i) {
        EXPECT_NEAR(holes[i].bottom, -10, kTol);
        if (i == 0) continue;
        const double step = std::hypot(holes[i].x - holes[i - 1].x, holes[i].y - holes[i - 1].y);
        EXPECT_TRUE(std::fabs(step - std::fabs(c.px)) < kTol ||
                    std::fabs(step - std::fabs(c.py)) < kTol)
            << "from hole " << i << " a step of " << step;
    }
}

// A spread of holes left out by number, now and then the first: exactly the chosen ones are
// drilled, each once, in the order the whole pattern drills them.
void checkChosenHoles(const HoleCase& c, std::size_t seed, const program::Toolpath& all,
                      const std::vector<Point>& points) {
    std::string list;
    std::vector<bool> chosen(points.size());
    for (std::size_t h = 0; h < points.size(); ++h) {
        chosen[h] = (h * 7 + seed) % 3 != 0;
        if (chosen[h]) list += (list.empty() ? "" : ",") + std::to_string(h + 1);
    }
    if (list.empty()) return;  // an empty list leaves every hole out: nothing to drill
    const program::Toolpath some = readHoles(c, list).path;
    std::vector<int> order;  // where each chosen hole comes in the whole pattern's order
    for (std::size_t h = 0; h < points.size(); ++h) {
        const int at = drilledAt(some, points[h]);
        EXPECT_EQ(at >= 0, chosen[h]) << "hole " << h + 1 << " found as " << at;
        if (at >= 0) order.push_back(drilledAt(all, points[h]));
    }
    EXPECT_EQ(order.size(), some.holes.size());
    std::vector<int> inProgram;
    for (const auto& h : some.holes) inProgram.push_back(drilledAt(all, {h.x, h.y}));
    std::sort(order.begin(), order.end());
    EXPECT_EQ(inProgram, order);
}

TEST(HolesSound, EveryChosenHoleIsDrilledOnceAndTheDrillMovesToANeighbour) {
    const HoleCase cases[] = {
        {4, 3, 20, 15, 0, 0, 0, false, 2},      {4, 3, 20, 15, 0, 0, 0, true, 0},
        {1, 1, 10, 10, 0, 5, 5, false, 1},      {1, 7, 10, 6, 45, -3, 2, false, 2},
        {9, 1, 4.5, 0, -30, 1, 1, true, 0},     {2, 2, 8, 8, 90, 0, 0, false, 1},
        {5, 6, 12.5, 7, 30, 100, -50, true, 2}, {6, 5, -10, 8, 200, 0, 0, false, 0},
        {7, 4, 9, -11, 17.5, 3, 4, true, 1},    {3, 9, 25, 5, -135, -20, 40, false, 2},
        {5, 4, -6, -9, 60, 0, 0, false, 0},     {8, 1, -5, 0, 0, 0, 0, false, 1},
        {100, 100, 5, 5, 12, 0, 0, true, 0},    {100, 100, 5, 5, 12, 0, 0, false, 1},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        const HoleCase& c = cases[n];
        SCOPED_TRACE(testing::Message() << c.nx << "x" << c.ny << " at " << c.angle << "°"
                                        << (c.grid ? " grid" : " outline"));
        const auto all = readHoles(c, "").path;
        const auto points = numberedPoints(c);
        checkAllHoles(c, all, points);
        checkChosenHoles(c, n, all, points);
    }
}

}  // namespace
}  // namespace qorix::test
