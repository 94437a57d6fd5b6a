// The dialect read line by line: motion, arcs, cycles, offsets, variables, subprograms, and
// each fault the reader must catch, with its line.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <numbers>

#include "program/linescan.h"
#include "program/plainnumber.h"
#include "program/readsupport.h"

namespace qorix::test {
namespace {

using program::MoveKind;
using program::WarningKind;

constexpr double kTol = 1e-9;

TEST(ProgramReader, ReadsBothDecimalFormsAndWordsWithoutBlanks) {
    auto comma = readText("G0 X1,5 Y-2,25 Z3\nG1 Z-2,0000F150,0000\nM30\n", ',');
    auto dot = readText("G0 X1.5 Y-2.25 Z3\nG1 Z-2.0000F150.0000\nM30\n", '.');
    for (const auto* r : {&comma, &dot}) {
        ASSERT_EQ(r->path.moves.size(), 2u) << describe(r->warnings);
        EXPECT_TRUE(r->warnings.empty()) << describe(r->warnings);
        EXPECT_DOUBLE_EQ(r->path.moves[0].x, 1.5);
        EXPECT_DOUBLE_EQ(r->path.moves[0].y, -2.25);
        EXPECT_DOUBLE_EQ(r->path.moves[1].z, -2);
        EXPECT_FLOAT_EQ(r->path.moves[1].feed, 150);
        EXPECT_EQ(r->path.moves[1].line, 2u);
    }
    // the other separator is not this run's: reported on its line, never read as a number
    auto wrong = readText("G0 X1\nG0 X1.5\nM30\n", ',');
    auto unknown = warningsOf(wrong, WarningKind::UnknownWord);
    ASSERT_EQ(unknown.size(), 1u) << describe(wrong.warnings);
    EXPECT_EQ(unknown[0].line, 2u);
    EXPECT_EQ(unknown[0].text, "Nem értelmezett szó: \"X1.5\"");
}

TEST(ProgramReader, MachineStartsWhereNobodyKnowsAndInventsNoRapidFromZero) {
    auto r = readText("G0 X15,5 Y3\nG0 Z5\nG1 X14 F300\nM30\n");
    ASSERT_EQ(r.path.moves.size(), 3u);
    EXPECT_EQ(r.path.moves[0].known, program::kAxisX | program::kAxisY);
    EXPECT_EQ(r.path.moves[1].known, program::kAxesAll);
    // nothing was drawn from 0,0,0: the rapid length only counts the move from a known place
    EXPECT_DOUBLE_EQ(r.measures.rapidLength, 0);
    EXPECT_DOUBLE_EQ(r.measures.cutLength, 1.5);
    EXPECT_DOUBLE_EQ(r.measures.bounds.min[0], 14);
    // a rapid below the top from an unknown height is not judged either
    auto sideways = readText("G1 X15,5 Y3 F100\nG0 X20\nG0 Z5\nM30\n");
    EXPECT_TRUE(warningsOf(sideways, WarningKind::RapidIntoPart).empty());
}

TEST(ProgramReader, RArcsOfBothSignsAndAChordClampedOnlyWithinRounding) {
    auto r = readText(
        "G0 X0 Y0 Z0\nG2 X1 Y1 R1 F300\nG0 X0 Y0\nG2 X1 Y1 R-1\n"
        "G0 X0 Y0\nG3 X2,0004 Y0 R1\nM30\n");
    EXPECT_TRUE(r.warnings.empty()) << describe(r.warnings);
    auto arcs = arcsOf(r.path);
    ASSERT_EQ(arcs.size(), 3u);
    EXPECT_NEAR(arcs[0].second.cx, 1, kTol);  // the short way, clockwise
    EXPECT_NEAR(arcs[0].second.cy, 0, kTol);
    EXPECT_NEAR(arcs[0].second.sweep, -std::numbers::pi / 2, kTol);
    EXPECT_NEAR(arcs[1].second.cx, 0, kTol);  // the long way
    EXPECT_NEAR(arcs[1].second.cy, 1, kTol);
    EXPECT_NEAR(arcs[1].second.sweep, -3 * std::numbers::pi / 2, kTol);
    EXPECT_NEAR(arcs[2].second.cx, 1.0002, 1e-6);  // a semicircle a hair too long
    EXPECT_NEAR(arcs[2].second.sweep, std::numbers::pi, 1e-6);
}

TEST(ProgramReader, IJArcsFullCirclesHelicesAndALoneArcModeLine) {
    auto r = readText("G0 X10 Y0 Z0\nG2 F300\nG2 X10 Y0 Z-1 I-10 J0\nX0 Y10 I-10 J0\nM30\n");
    EXPECT_TRUE(r.warnings.empty()) << describe(r.warnings);
    auto arcs = arcsOf(r.path);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_NEAR(arcs[0].second.sweep, -2 * std::numbers::pi, kTol);
    EXPECT_NEAR(arcs[0].second.radius, 10, kTol);
    EXPECT_DOUBLE_EQ(arcs[0].first.z, -1);
    EXPECT_FLOAT_EQ(arcs[0].first.feed, 300);
    EXPECT_NEAR(arcs[1].second.sweep, -3 * std::numbers::pi / 2, kTol);
    EXPECT_NEAR(r.measures.cutLength, std::hypot(20 * std::numbers::pi, 1) + 15 * std::numbers::pi,
                1e-9);
}

TEST(ProgramReader, DwellToolAndSpindleEventsAndTheRunTime) {
    program::ReadOptions o;
    o.measure.rapidRate = 6000;
    o.measure.toolChangeSeconds = 7;
    auto r = program::readProgram(std::string_view("G21 G90\nG0 Z5\nG0 X0 Y0\nT3 M6\nS1200 M4\n"
                                                   "G4 P2000\nM8\nG0 X100\nG1 X160 F600\n"
                                                   "M9\nM5\nM30\n"),
                                  o);
    EXPECT_TRUE(r.warnings.empty()) << describe(r.warnings);
    std::vector<MoveKind> kinds;
    for (const auto& m : r.path.moves) kinds.push_back(m.kind);
    EXPECT_EQ(kinds, (std::vector<MoveKind>{MoveKind::Rapid, MoveKind::Rapid, MoveKind::ToolChange,
                                            MoveKind::SpindleCcw, MoveKind::Dwell,
                                            MoveKind::CoolantFlood, MoveKind::Rapid, MoveKind::Feed,
                                            MoveKind::CoolantOff, MoveKind::SpindleStop}));
    EXPECT_EQ(r.path.moves[2].aux, 3u);
    EXPECT_EQ(r.path.moves[3].aux, 1200u);
    EXPECT_EQ(r.path.moves[4].aux, 2000u);
    // 7 s tool change, 2 s dwell, 100 mm rapid at 6000 mm/min, 60 mm at 600 mm/min
    EXPECT_NEAR(r.measures.timeSeconds, 7 + 2 + 1 + 6, 1e-9);
    EXPECT_EQ(r.measures.toolChanges, 1u);

    // values past what a move holds are held as the largest, not wrapped round to small ones
    std::string huge(100, '9');
    auto big =
        readText("S" + huge + " M3\nT" + huge + " M6\nG4 P" + huge + "\nG4 P-" + huge + "\nM30\n");
    ASSERT_EQ(big.path.moves.size(), 4u);
    for (const auto& m : big.path.moves) EXPECT_EQ(m.aux, 4'294'967'295u);
    EXPECT_TRUE(std::isfinite(big.measures.timeSeconds));
}

// The cycle as the machine runs it: to the R plane, pecks of Q, and back to the R plane.
TEST(ProgramReader, G83PecksRetractFullyAndG73OnlyBreaksTheChipAndG81GoesDownOnce) {
    auto g83 = readText("G0 Z5\nG0 X0 Y0\nG83 X10 Y0 Z-10 Q4 R1 F100\nX20\nG0 Z5\nM30\n");
    EXPECT_TRUE(g83.warnings.empty()) << describe(g83.warnings);
    ASSERT_EQ(g83.path.holes.size(), 2u);
    EXPECT_EQ(g83.path.holes[0].pecks, 3u);  // 1 -> -3 -> -7 -> -10
    EXPECT_DOUBLE_EQ(g83.path.holes[1].x, 20);
    EXPECT_EQ(g83.path.holes[1].line, 4u);
    std::vector<double> zs;
    for (std::size_t i = g83.path.holes[0].firstMove; i < g83.path.holes[1].firstMove; ++i)
        zs.push_back(g83.path.moves[i].z);
    // XY at Z5, down to R, peck, up to R, down to just above, peck, ..., back up to R
    EXPECT_EQ(zs, (std::vector<double>{5, 1, -3, 1, -2.5, -7, 1, -6.5, -10, 1}));
    // between holes the tool moves at the R plane, as a rapid
    const auto& between = g83.path.moves[g83.path.holes[1].firstMove];
    EXPECT_EQ(between.kind, MoveKind::Rapid);
    EXPECT_DOUBLE_EQ(between.z, 1);
    EXPECT_EQ(g83.measures.holes, 2u);

    auto g73 = readText("G0 Z5\nG0 X0 Y0\nG73 X10 Y0 Z-10 Q4 R1 F100\nG80\nM30\n");
    zs.clear();
    for (const auto& m : g73.path.moves)
        if (m.flags & program::kInCycle) zs.push_back(m.z);
    EXPECT_EQ(zs, (std::vector<double>{5, 1, -3, -2.5, -7, -6.5, -10, 1}));

    // G81 takes no Q: the one left by the G83 before it does not split the feed
    auto g81 = readText("G0 Z5\nG83 X0 Y0 Z-10 Q4 R1 F100\nG81 X10 Z-6 R1\nX20\nG80\nM30\n");
    EXPECT_TRUE(g81.warnings.empty()) << describe(g81.warnings);
    ASSERT_EQ(g81.path.holes.size(), 3u);
    for (std::size_t h = 1; h < 3; ++h) {
        EXPECT_EQ(g81.path.holes[h].pecks, 1u);
        EXPECT_DOUBLE_EQ(g81.path.holes[h].bottom, -6);
    }
}

// A Q far too small for its hole once made a hundred million moves (gigabytes) for one line,
// and a Q below the depths' rounding spun for ever: past ten thousand pecks the hole is one
// peck, and the warning says so on the cycle's line.
TEST(ProgramReader, APeckTooSmallForItsHoleIsOnePeckWithAWarning) {
    for (const char* cycle :
         {"G83 X0 Y0 Z-100000 R1 Q0,001 F100", "G83 X0 Y0 Z-100000000000000000000 R1 Q1 F100",
          // Q below the rounding of depths this far from zero
          "G73 X0 Y0 Z99999999999999000000 R100000000000000000000 Q1 F100"}) {
        auto r = readText(std::string("G0 Z5\nG0 X0 Y0\n") + cycle + "\nG80\nM30\n");
        // a rapid into the part or a cut below the depth may come too; this one must be last
        ASSERT_EQ(r.path.holes.size(), 1u) << cycle;
        EXPECT_EQ(r.path.holes[0].pecks, 1u) << cycle;
        EXPECT_LT(r.path.moves.size(), 10u) << cycle;
        ASSERT_FALSE(r.warnings.empty()) << cycle;
        const auto& w = r.warnings.back();
        EXPECT_EQ(w.kind, WarningKind::TooManyPecks) << describe(r.warnings);
        EXPECT_EQ(w.line, 3u);
    }
    auto r = readText("G0 Z5\nG0 X0 Y0\nG83 X0 Y0 Z-100000 R1 Q0,001 F100\nG80\nM30\n");
    EXPECT_EQ(r.warnings.back().text,
              "A fúróciklus fogása (Q0,001) túl kicsi a furat mélységéhez: 10000-nél több fogás "
              "lenne; a furat egy fogásként szerepel");
    EXPECT_DOUBLE_EQ(r.measures.lowestZ, -100000);

    // ten thousand pecks are still drawn one by one
    auto many = readText("G0 Z5\nG0 X0 Y0\nG83 X0 Y0 Z-9999 R1 Q1 F100\nG80\nM30\n");
    EXPECT_TRUE(many.warnings.empty()) << describe(many.warnings);
    EXPECT_EQ(many.path.holes[0].pecks, 10'000u);
}

TEST(ProgramReader, G98ReturnsToTheInitialLevelAndAMotionWordEndsTheCycle) {
    auto r = readText("G0 X0 Y0 Z8\nG98 G83 X10 Y0 Z-2 R1 F100\nX20\nG0 X30\nM30\n");
    EXPECT_TRUE(r.warnings.empty()) << describe(r.warnings);
    ASSERT_EQ(r.path.holes.size(), 2u);
    EXPECT_DOUBLE_EQ(r.path.moves[r.path.holes[1].firstMove].z, 8);
    EXPECT_EQ(r.path.moves.back().kind, MoveKind::Rapid);
    EXPECT_DOUBLE_EQ(r.path.moves.back().x, 30);
    EXPECT_EQ(r.path.moves.back().flags, 0);
}

TEST(ProgramReader, WorkOffsetsGiveMachineCoordinates) {
    auto r = readText(
        "G0 Z5\nG0 X10 Y-5\nG10 L2 P6 X10 Y-5 Z1\nG59\nG1 Z-2 F100\n"
        "G1 X3 Y4\nG54\nG1 Z8\nM30\n");
    EXPECT_TRUE(r.warnings.empty()) << describe(r.warnings);
    const auto& m = r.path.moves;
    ASSERT_EQ(m.size(), 5u);
    EXPECT_DOUBLE_EQ(m[2].z, -1);
    EXPECT_DOUBLE_EQ(m[3].x, 13);
    EXPECT_DOUBLE_EQ(m[3].y, -1);
    EXPECT_DOUBLE_EQ(m[4].z, 8);
    auto unset = readText("G21\nG58\nG0 X1 Y1 Z1\nM30\n");
    ASSERT_EQ(warningsOf(unset, WarningKind::UnknownWorkOrigin).size(), 1u);
    EXPECT_EQ(unset.warnings[0].line, 2u);
}

TEST(ProgramReader, VariablesExpressionsAndSubprogramsWithRepeats) {
    auto r = readText(
        "#1=[2+3*4]\n#2=[abs[-7]%4]\n#3=-abs[#1/#2]\nG0 X#1 Y#2 Z[0-#3]\n"
        "#5=0\nM98 P7 L3 (három)\nG0 X#5\nM30\n"
        "O7 (alprogram)\n#5=[#5+1]\nM99\n");
    EXPECT_TRUE(r.warnings.empty()) << describe(r.warnings);
    ASSERT_EQ(r.path.moves.size(), 2u);
    EXPECT_DOUBLE_EQ(r.path.moves[0].x, 14);
    EXPECT_DOUBLE_EQ(r.path.moves[0].y, 3);
    EXPECT_NEAR(r.path.moves[0].z, 14.0 / 3, 1e-12);
    EXPECT_DOUBLE_EQ(r.path.moves[1].x, 3);
    EXPECT_TRUE(r.ended);
}

TEST(ProgramReader, CommentsAndTheValueListingAreSkippedAnythingElseIsReported) {
    auto r = readText(
        "_x_=0,0000\n_zs_:=_z_+_zsb_= 5,0000\n_mc_= 3\n(megjegyzés) G0 X1\n"
        "G91\nG0 W5 (W nincs)\nG0 X2 Y2 Z2 (vége\nM30\n");
    ASSERT_EQ(r.warnings.size(), 3u) << describe(r.warnings);
    EXPECT_EQ(r.warnings[0].line, 5u);
    EXPECT_EQ(r.warnings[0].text, "Nem értelmezett szó: \"G91\"");
    EXPECT_EQ(r.warnings[1].line, 6u);
    EXPECT_EQ(r.warnings[1].text, "Nem értelmezett szó: \"W5\"");
    EXPECT_EQ(r.warnings[2].line, 7u);
    EXPECT_EQ(r.warnings[2].kind, WarningKind::UnclosedComment);
    EXPECT_DOUBLE_EQ(r.path.moves[0].x, 1);
    // a line never run is looked at too
    auto tail = readText("G21\nM30\nG0 Q\n");
    ASSERT_EQ(tail.warnings.size(), 1u) << describe(tail.warnings);
    EXPECT_EQ(tail.warnings[0].line, 3u);
}

TEST(ProgramReader, ASeriesPartNeedsNoEndAWholeProgramDoes) {
    auto whole = readText("G21 G90\nG0 X0 Y0 Z5\n");
    ASSERT_EQ(whole.warnings.size(), 1u);
    EXPECT_EQ(whole.warnings[0].kind, WarningKind::NoProgramEnd);
    EXPECT_EQ(whole.warnings[0].text, "A programból hiányzik a program vége (M30)");
    EXPECT_TRUE(readText("G0 X0 Y0 Z5\n").warnings.empty());
    program::ReadOptions told;
    told.seriesPart = false;
    EXPECT_EQ(program::readProgram(std::string_view("G0 X0 Y0 Z5\n"), told).warnings.size(), 1u);
}

TEST(ProgramReader, ProgressIsReportedAndReadingCanBeCancelled) {
    std::string text;
    for (int i = 0; i < 200000; ++i) text += "G1 X" + std::to_string(i % 100) + " F100\n";
    program::ReadOptions o;
    std::size_t calls = 0;
    o.progress = [&](std::size_t done, std::size_t total) {
        EXPECT_EQ(total, 200000u);
        EXPECT_LE(done, total);
        return ++calls < 2;
    };
    auto r = program::readProgram(std::string_view(text), o);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(calls, 2u);
    EXPECT_LT(r.path.moves.size(), 200000u);
}

// The quick read of a plain number gives the very same double as the full conversion, or
// leaves the number to it: the tricky ones, and a sweep of every shape a program writes.
TEST(ProgramReader, PlainNumbersReadToTheSameDoubleAsTheFullConversion) {
    auto full = [](std::string text) {
        for (char& c : text)
            if (c == ',') c = '.';
        double v = 0;
        std::from_chars(text.data(), text.data() + text.size(), v);
        return v;
    };
    // the line scanner sums the digits as it meets them: the same double again
    program::Variables variables;
    program::LineScanner scanner(',', variables);
    program::Block block;
    std::vector<program::ScanIssue> issues;
    auto same = [&](const std::string& text, bool quick) {  // quick: must take the quick way
        double v = -1;
        const bool took = program::readPlainNumber(text, ',', v);
        if (quick || text.size() < 16) {
            ASSERT_EQ(took, quick) << text;
        }
        const double f = full(text);
        if (took) {
            EXPECT_EQ(std::memcmp(&v, &f, sizeof v), 0) << text << " " << v << " " << f;
            issues.clear();
            scanner.scan("X" + text, block, issues, false);
            ASSERT_EQ(block.count, issues.empty() ? 1 : 0) << text;
            if (issues.empty()) {
                const double scanned = block.find('X')->value;
                EXPECT_EQ(std::memcmp(&scanned, &f, sizeof f), 0) << text << " " << scanned;
            }
        }
    };
    const std::pair<const char*, bool> cases[] = {{"0", true},
                                                  {"0,0000", true},
                                                  {",5", true},
                                                  {"5,", true},
                                                  {"0,1", true},
                                                  {"0,3", true},
                                                  {"1,015", true},
                                                  {"4,35", true},
                                                  {"2,675", true},
                                                  {"9007199254740992", true},
                                                  {"9007199254740993", false},
                                                  {"123456789012345,6", true},
                                                  {"0,0000000000000000000001", true},
                                                  {"0,00000000000000000000001", false},
                                                  {"1,2,3", false},
                                                  {"1e5", false},
                                                  {"", false},
                                                  {",", false},
                                                  {"-1", false},
                                                  {"1.5", false},
                                                  {"00000000000000000000000000001,5", true}};
    for (const auto& [text, quick] : cases) same(text, quick);
    std::uint64_t seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 6364136223846793005u + 1442695040888963407u;
        const std::string digits = std::to_string(seed >> (seed % 40));
        const std::size_t cut = (seed >> 50) % (digits.size() + 1);
        same(digits.substr(0, cut) + "," + digits.substr(cut),
             digits.size() <= 15 && digits.size() - cut <= 22);
    }
}

}  // namespace
}  // namespace qorix::test
