// The rectangle hole pattern's programs, read move by move, over a spread of counts,
// pitches, angles, patterns and cycles: every hole of the pattern is drilled exactly once at
// its point and to the depth, no other hole is drilled, and the drill only ever moves on to
// a neighbouring hole.
#include <gtest/gtest.h>

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

// The pattern's points worked out from its rows and columns, in no particular order.
std::vector<std::array<double, 2>> expectedPoints(const HoleCase& c) {
    const double a = c.angle * std::numbers::pi / 180;
    std::vector<std::array<double, 2>> points;
    for (int j = 0; j < c.ny; ++j)
        for (int i = 0; i < c.nx; ++i) {
            const bool edge = i == 0 || j == 0 || i == c.nx - 1 || j == c.ny - 1;
            if (!c.grid && !edge) continue;
            const double dx = i * c.px, dy = j * c.py;
            points.push_back({c.x + dx * std::cos(a) - dy * std::sin(a),
                              c.y + dx * std::sin(a) + dy * std::cos(a)});
        }
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

TEST(HolesSound, EveryHoleOfThePatternIsDrilledOnceAndTheDrillMovesToANeighbour) {
    const HoleCase cases[] = {
        {4, 3, 20, 15, 0, 0, 0, false, 2},      {4, 3, 20, 15, 0, 0, 0, true, 0},
        {1, 1, 10, 10, 0, 5, 5, false, 1},      {1, 7, 10, 6, 45, -3, 2, false, 2},
        {9, 1, 4.5, 0, -30, 1, 1, true, 0},     {2, 2, 8, 8, 90, 0, 0, false, 1},
        {5, 6, 12.5, 7, 30, 100, -50, true, 2}, {6, 5, -10, 8, 200, 0, 0, false, 0},
        {7, 4, 9, -11, 17.5, 3, 4, true, 1},    {3, 9, 25, 5, -135, -20, 40, false, 2},
        {100, 100, 5, 5, 12, 0, 0, true, 0},    {100, 100, 5, 5, 12, 0, 0, false, 1},
    };
    for (const HoleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nx << "x" << c.ny << " at " << c.angle << "°"
                                        << (c.grid ? " grid" : " outline"));
        program::ReadOptions o;
        o.decimalSeparator = '.';
        o.topZ = 0;
        o.depthZ = -10;
        const auto r = program::readProgram(generated("rectangle-holes", holeArgs(c)), o);
        EXPECT_TRUE(r.warnings.empty()) << describe(r.warnings);
        EXPECT_TRUE(r.ended);
        const auto& holes = r.path.holes;
        const auto points = expectedPoints(c);
        ASSERT_EQ(holes.size(), points.size());
        for (const auto& p : points) {
            int drilled = 0;
            for (const auto& h : holes)
                drilled += std::hypot(h.x - p[0], h.y - p[1]) < kTol ? 1 : 0;
            EXPECT_EQ(drilled, 1) << "hole at " << p[0] << " " << p[1];
        }
        for (std::size_t i = 0; i < holes.size(); ++i) {
            EXPECT_NEAR(holes[i].bottom, -10, kTol);
            if (i == 0) continue;
            const double step =
                std::hypot(holes[i].x - holes[i - 1].x, holes[i].y - holes[i - 1].y);
            EXPECT_TRUE(std::fabs(step - std::fabs(c.px)) < kTol ||
                        std::fabs(step - std::fabs(c.py)) < kTol)
                << "from hole " << i << " a step of " << step;
        }
    }
}

}  // namespace
}  // namespace qorix::test
