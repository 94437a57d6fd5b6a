// Every program the wizards write reads clean, and its toolpath is the geometry the page
// meant: the circle, the pocket's rings, the holes and their pecks, the spiral's quarter arcs
// and the thread's circles in the groove.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "program/readsupport.h"

namespace qorix::test {
namespace {

using program::MoveKind;
using program::WarningKind;

program::ReadResult readGolden(const GoldenProgram& g) {
    program::ReadOptions o;
    o.decimalSeparator = g.separator;
    return program::readProgram(g.lines, o);
}

// The preview hands its reader the lines as one text: read so, each program makes the very
// same moves.
void expectSameFromOneText(const GoldenProgram& g, const program::ReadResult& r) {
    program::LineText text;
    for (const auto& line : g.lines) text.push_back(line);
    program::ReadOptions o;
    o.decimalSeparator = g.separator;
    auto t = program::readProgram(text, o);
    ASSERT_EQ(t.path.moves.size(), r.path.moves.size()) << g.name;
    for (std::size_t i = 0; i < r.path.moves.size(); ++i) {
        const auto &a = r.path.moves[i], &b = t.path.moves[i];
        ASSERT_TRUE(a.x == b.x && a.y == b.y && a.z == b.z && a.line == b.line && a.kind == b.kind)
            << g.name << " move " << i;
    }
}

TEST(GoldenToolpaths, EveryGoldenProgramReadsWithNoWarning) {
    auto programs = goldenPrograms();
    ASSERT_GT(programs.size(), 80u);
    for (const auto& g : programs) {
        if (g.name == "fibonacci/parametric-many-turns") continue;  // below: it overflows
        auto r = readGolden(g);
        expectSameFromOneText(g, r);
        EXPECT_TRUE(r.warnings.empty()) << g.name << "\n" << describe(r.warnings);
        EXPECT_FALSE(r.cancelled);
        if (g.lines.size() > 12) {
            EXPECT_GT(r.path.moves.size(), 0u) << g.name;
        }
    }
}

// 300 000 turns: the machine's radii pass what a double holds after some fifteen hundred
// arcs, and the run is far longer than any real one. Both are told; the reading ends.
TEST(GoldenToolpaths, AParametricSpiralOfThreeHundredThousandTurnsOverflowsAndIsStopped) {
    auto r = readGolden(goldenProgram("fibonacci", "parametric-many-turns"));
    auto big = warningsOf(r, WarningKind::NumberTooLarge);
    ASSERT_FALSE(big.empty()) << describe(r.warnings);
    // the arcs whose places pass any machine's before the overflow are left out, and told
    auto far = warningsOf(r, WarningKind::NotFinite);
    EXPECT_FALSE(far.empty());
    EXPECT_EQ(r.warnings.size(), big.size() + far.size() + 1) << describe(r.warnings);
    EXPECT_EQ(warningsOf(r, WarningKind::Runaway).size(), 1u);
    EXPECT_TRUE(r.stoppedEndless);
    for (const auto& m : r.path.moves) ASSERT_TRUE(std::isfinite(m.x) && std::isfinite(m.y));
}

TEST(GoldenToolpaths, CutCircleGoesRoundTheCircleLessTheToolRadius) {
    // diameter 20, tool 5: the centre of the tool on a circle of radius 7,5
    auto r = readGolden(goldenProgram("cut-circle", "worked-example"));
    auto arcs = arcsOf(r.path);
    ASSERT_EQ(arcs.size(), 4u);
    double flatSweep = 0;
    for (const auto& [m, a] : arcs) {
        EXPECT_NEAR(a.radius, 7.5, 1e-9);
        EXPECT_NEAR(a.cx, 0, 1e-9);
        EXPECT_NEAR(a.cy, 0, 1e-9);
        EXPECT_LT(a.sweep, 0);  // CW
        if (m.z == -2) flatSweep += a.sweep;
    }
    EXPECT_NEAR(flatSweep, -3 * std::numbers::pi,
                1e-9);  // half a turn reaching the depth, then a full turn
    EXPECT_DOUBLE_EQ(r.measures.lowestZ, -2);
    EXPECT_NEAR(r.measures.feedBounds.min[0], -7.5, 1e-9);
    EXPECT_NEAR(r.measures.feedBounds.max[1], 7.5, 1e-9);
    EXPECT_EQ(r.measures.passes, 1u);

    auto straight = readGolden(goldenProgram("cut-circle", "straight-two-passes"));
    EXPECT_EQ(straight.measures.passes, 2u);
}

TEST(GoldenToolpaths, CircularPocketRingsGrowByTheStepAndEndOnTheWall) {
    auto r = readGolden(goldenProgram("circular-pocket", "worked-example"));
    auto arcs = arcsOf(r.path);
    ASSERT_EQ(arcs.size(), 7u);
    const double radii[] = {1.25, 2.5, 3.75, 5, 6.25, 7.5, 7.5};
    for (std::size_t i = 0; i < arcs.size(); ++i) {
        EXPECT_NEAR(arcs[i].second.radius, radii[i], 1e-9) << i;
        EXPECT_NEAR(std::fabs(arcs[i].second.sweep), std::numbers::pi, 1e-9) << i;
        EXPECT_DOUBLE_EQ(arcs[i].first.z, -2);
    }
    // the last loop is whole and centred on the pocket
    EXPECT_NEAR(arcs[5].second.cx, 0, 1e-9);
    EXPECT_NEAR(arcs[6].second.cx, 0, 1e-9);
    EXPECT_NEAR(r.measures.feedBounds.min[1], -7.5, 1e-9);
    EXPECT_NEAR(r.measures.feedBounds.max[1], 7.5, 1e-9);

    // centre X10 Y5, start Z 1, step 2: half rings about the centre or half a step beside it
    auto g = goldenProgram("circular-pocket", "ccw-ramp-two-passes-offset-centre");
    program::ReadOptions top1;
    top1.decimalSeparator = g.separator;
    top1.topZ = 1;
    auto offset = program::readProgram(g.lines, top1);
    EXPECT_TRUE(offset.warnings.empty()) << describe(offset.warnings);
    auto rings = arcsOf(offset.path);
    ASSERT_EQ(rings.size(), 18u);
    for (const auto& [m, a] : rings) {
        EXPECT_GT(a.sweep, 0);  // CCW
        EXPECT_NEAR(a.cy, 5, 1e-9);
        EXPECT_LE(std::fabs(a.cx - 10), 1 + 1e-9);
    }
    EXPECT_NEAR(rings[17].second.cx, 10, 1e-9);
    EXPECT_NEAR(rings[17].second.radius, 7.5, 1e-9);
    EXPECT_EQ(offset.measures.passes, 2u);
    EXPECT_DOUBLE_EQ(offset.measures.lowestZ, -1);
}

TEST(GoldenToolpaths, RectanglePocketLoopsStayATooRadiusInsideTheWalls) {
    // 20 x 30 from the corner 0,0; tool 5
    auto r = readGolden(goldenProgram("rectangle-pocket", "worked-example"));
    program::Box box;  // of the cuts at the depth
    for (const auto& m : r.path.moves)
        if (m.kind == MoveKind::Feed && m.z == -2) box.add(0, m.x), box.add(1, m.y);
    EXPECT_NEAR(box.min[0], 2.5, 1e-9);
    EXPECT_NEAR(box.max[0], 17.5, 1e-9);
    EXPECT_NEAR(box.min[1], 2.5, 1e-9);
    EXPECT_NEAR(box.max[1], 27.5, 1e-9);
    std::size_t corners = 0;  // each loop's corner 2,5 less per ring
    for (const auto& m : r.path.moves)
        if (m.kind == MoveKind::Feed && m.z == -2 && m.x == m.y && m.x < 10) ++corners;
    EXPECT_EQ(corners, 6u);  // three rings: arrive at the corner and close the loop there
}

TEST(GoldenToolpaths, CutRectangleSpiralsDownItsOutlineInPasses) {
    auto r = readGolden(goldenProgram("cut-rectangle", "spiral-four-passes"));
    EXPECT_EQ(r.measures.passes, 1u);  // one continuous ramp down the outline
    EXPECT_DOUBLE_EQ(r.measures.lowestZ, -2);
    const auto& box = r.measures.feedBounds;
    EXPECT_DOUBLE_EQ(box.max[0] - box.min[0], 20);
    EXPECT_DOUBLE_EQ(box.max[1] - box.min[1], 30);
}

TEST(GoldenToolpaths, BoltCircleHolesSitOnTheCircleWithTheirPecks) {
    auto r = readGolden(goldenProgram("bolt-circle", "worked-example"));
    ASSERT_EQ(r.path.holes.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        const auto& h = r.path.holes[i];
        double angle = (i + 1) * 72.0 * std::numbers::pi / 180;
        EXPECT_NEAR(h.x, 10 * std::cos(angle), 1e-4);
        EXPECT_NEAR(h.y, 10 * std::sin(angle), 1e-4);
        EXPECT_DOUBLE_EQ(h.bottom, -10);
        EXPECT_EQ(h.pecks, 6u);  // from R 1 to -10 in steps of 2
    }
    EXPECT_EQ(r.measures.holes, 5u);
    EXPECT_DOUBLE_EQ(r.measures.lowestZ, -10);

    auto chosen = readGolden(goldenProgram("bolt-circle", "chosen-holes-1-3-5"));
    ASSERT_EQ(chosen.path.holes.size(), 3u);
    EXPECT_NEAR(chosen.path.holes[1].y, 10 * std::sin(216 * std::numbers::pi / 180), 1e-4);
    auto whole = readGolden(goldenProgram("bolt-circle", "peck-none"));
    // no peck depth: Q is the depth's 10, and from R 1 down to -10 that is two pecks
    for (const auto& h : whole.path.holes) EXPECT_EQ(h.pecks, 2u);
}

TEST(GoldenToolpaths, SpiralQuarterArcsHaveTheFibonacciRadii) {
    auto r = readGolden(goldenProgram("fibonacci", "cw"));
    auto arcs = arcsOf(r.path);
    ASSERT_EQ(arcs.size(), 6u);
    const double radii[] = {1, 1, 2, 3, 5, 8};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_NEAR(arcs[i].second.radius, radii[i], 1e-9);
        EXPECT_NEAR(arcs[i].second.sweep, -std::numbers::pi / 2, 1e-9);
    }
    EXPECT_NEAR(arcs[5].first.x, 10, 1e-9);
    // the parametric program with its start at X10 Y-5 Z1 and scale 2,5: under G59
    auto p = readGolden(goldenProgram("fibonacci", "parametric-cw"));
    auto pa = arcsOf(p.path);
    ASSERT_EQ(pa.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_NEAR(pa[i].second.radius, 2.5 * radii[i], 1e-9);
    EXPECT_NEAR(pa[0].first.x, 12.5, 1e-9);
    EXPECT_NEAR(pa[0].first.y, -2.5, 1e-9);
    EXPECT_NEAR(pa[0].first.z, -1, 1e-9);  // start Z 1, depth -2
}

TEST(GoldenToolpaths, ThreadCirclesRunDownTheGrooveOnePerPass) {
    auto r = readGolden(goldenProgram("thread-repair", "worked-example"));
    auto arcs = arcsOf(r.path);
    ASSERT_EQ(arcs.size(), 24u);
    const double radii[] = {13.5, 13, 12.5};
    for (std::size_t i = 0; i < arcs.size(); ++i) {
        EXPECT_NEAR(arcs[i].second.radius, radii[i / 8], 1e-9);
        EXPECT_NEAR(arcs[i].second.sweep, -2 * std::numbers::pi, 1e-9);  // a full circle each
        EXPECT_NEAR(arcs[i].second.cx, 0, 1e-9);
    }
    EXPECT_DOUBLE_EQ(r.measures.lowestZ, -9);
    EXPECT_EQ(r.measures.passes, 3u);
    // its first rapid starts where nobody knows the height: drawn, never judged
    EXPECT_EQ(r.path.moves[0].known, program::kAxisX | program::kAxisY);
}

}  // namespace
}  // namespace qorix::test
