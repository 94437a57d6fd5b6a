// Faults planted into real programs: each is caught, on its own line, with its own words.
#include <gtest/gtest.h>

#include <algorithm>

#include "program/readsupport.h"

namespace qorix::test {
namespace {

using program::WarningKind;

// The golden program with one line replaced; the number of that line.
std::uint32_t plant(GoldenProgram& g, const std::string& line, const std::string& with) {
    auto it = std::find(g.lines.begin(), g.lines.end(), line);
    EXPECT_NE(it, g.lines.end()) << line;
    if (it == g.lines.end()) return 0;
    *it = with;
    return static_cast<std::uint32_t>(it - g.lines.begin() + 1);
}

program::ReadResult read(const GoldenProgram& g, std::optional<double> depth = {}) {
    program::ReadOptions o;
    o.decimalSeparator = g.separator;
    o.depthZ = depth;
    return program::readProgram(g.lines, o);
}

void expectOnly(const program::ReadResult& r, WarningKind kind, std::uint32_t line,
                const std::string& text) {
    ASSERT_EQ(r.warnings.size(), 1u) << describe(r.warnings);
    EXPECT_EQ(r.warnings[0].kind, kind);
    EXPECT_EQ(r.warnings[0].line, line);
    EXPECT_EQ(r.warnings[0].text, text);
}

TEST(PlantedFaults, AnArcEndingOffItsCircleEvenByWhatOthersAllow) {
    auto g = goldenProgram("thread-repair", "worked-example");
    // 0,03 mm off: what common interpreters let pass
    auto line = plant(g, "G2 X13,5000 Y0,0000 Z-9,0000 I-13,5000 J0",
                      "G2 X13,4700 Y0,0000 Z-9,0000 I-13,5000 J0");
    expectOnly(read(g), WarningKind::ArcOffCircle, line,
               "Az ív végpontja nincs rajta az ív körén (eltérés 0,03 mm)");
}

TEST(PlantedFaults, ARapidIntoThePart) {
    auto g = goldenProgram("cut-circle", "worked-example");
    // back to the centre in a rapid while still at the depth
    auto line = plant(g, "(főciklus vége)", "G0 X0,0000 Y0,0000");
    expectOnly(read(g), WarningKind::RapidIntoPart, line,
               "Gyorsmenet X/Y irányban a munkadarab teteje (Z0) alatt, Z-2 magasságban: az "
               "anyagba megy");
}

TEST(PlantedFaults, ACutBelowTheDepthThePageAskedFor) {
    auto g = goldenProgram("circular-pocket", "worked-example");
    EXPECT_TRUE(read(g, -2).warnings.empty());
    auto line = plant(g, "G1 X0,0000 Z-2,0000", "G1 X0,0000 Z-2,5000");
    auto r = read(g, -2);
    auto below = warningsOf(r, WarningKind::BelowDepth);
    ASSERT_EQ(below.size(), 1u) << describe(r.warnings);
    EXPECT_EQ(below[0].line, line);
    EXPECT_EQ(below[0].text, "Marás a kért mélység (Z-2) alatt: Z-2,5");
}

TEST(PlantedFaults, AnRArcThatCannotClose) {
    auto g = goldenProgram("circular-pocket", "worked-example");
    auto line = plant(g, "G2 Y0,0000 X2,5000 R1,2500 F300", "G2 Y0,0000 X2,5000 R1,2000 F300");
    expectOnly(read(g), WarningKind::RArcTooShort, line,
               "Az R-rel megadott ív nem zárható: a kezdő- és végpont távolsága (2,5 mm) nagyobb, "
               "mint a sugár kétszerese (2,4 mm)");
}

TEST(PlantedFaults, AMissingSubprogram) {
    auto g = goldenProgram("fibonacci", "parametric-cw");
    plant(g, "O3 (kiírás és léptetés)", "(O3 elveszett)");
    auto r = read(g);
    auto missing = warningsOf(r, WarningKind::MissingSubprogram);
    ASSERT_FALSE(missing.empty()) << describe(r.warnings);
    auto first = std::find(g.lines.begin(), g.lines.end(), "M98 P3 L1");
    EXPECT_EQ(missing[0].line, static_cast<std::uint32_t>(first - g.lines.begin() + 1));
    EXPECT_EQ(missing[0].text, "Az M98 nem létező alprogramot hív: O3");
    EXPECT_TRUE(arcsOf(r.path).empty());
}

TEST(PlantedFaults, ARunawayLoopIsStopped) {
    auto g = goldenProgram("fibonacci", "parametric-cw");
    plant(g, "#7=1,0000 (egész körbefordulások száma)", "#7=1000000000");
    program::ReadOptions o;
    o.extraLineBound = 100000;
    auto r = program::readProgram(g.lines, o);
    auto runaway = warningsOf(r, WarningKind::Runaway);
    ASSERT_EQ(runaway.size(), 1u) << describe(r.warnings);
    EXPECT_EQ(r.executedLines, g.lines.size() + 100000);
    EXPECT_LT(r.path.moves.size(), 100000u);
    EXPECT_FALSE(r.ended);
}

TEST(PlantedFaults, ANumberBeyondADouble) {
    auto g = goldenProgram("cut-circle", "worked-example");
    auto line = plant(g, "G0 X0,0000 Y0,0000", "G0 X1" + std::string(400, '0') + " Y0,0000");
    auto r = read(g);
    auto big = warningsOf(r, WarningKind::NumberTooLarge);
    ASSERT_EQ(big.size(), 1u) << describe(r.warnings);
    EXPECT_EQ(big[0].line, line);
}

}  // namespace
}  // namespace qorix::test
