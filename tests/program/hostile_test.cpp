// Files nobody should write, read as any file chosen with "Megnyitás": the reader stays on a
// small stack, within its budget of moves, prints only finite numbers and says what a control
// would stop at.
#include <gtest/gtest.h>
#include <pthread.h>

#include <cctype>
#include <functional>
#include <new>

#include "program/readsupport.h"
#include "program/report.h"
#include "program/svg.h"

namespace qorix::test {
namespace {

using program::WarningKind;

// Runs f on a thread with the stack Windows gives a program's threads by default.
void onSmallStack(std::function<void()> f) {
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 1 << 20);
    pthread_t thread;
    auto body = [](void* p) -> void* {
        (*static_cast<std::function<void()>*>(p))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attr, body, &f), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
}

std::string repeat(std::size_t n, char c) { return std::string(n, c); }

TEST(HostileFiles, DeepExpressionsAreAWarningOnASmallStack) {
    struct Case {
        std::string line;
        bool tooDeep;
    } cases[] = {
        {"#1=" + repeat(20000, '[') + "1" + repeat(20000, ']'), true},
        {"#1=" + repeat(20000, '#') + "1", true},
        {"#1=SQRT" + repeat(5000, '[') + "4" + repeat(5000, ']'), true},
        {"#1=" + repeat(200, '[') + "1" + repeat(200, ']'), false},
        {"#1=" + repeat(60000, '-') + "1", false},  // signs only: an even count, +1
    };
    for (const auto& c : cases) {
        program::ReadResult r;
        onSmallStack([&] { r = readText(c.line + "\nG0 X#1 Y0 Z5\nM30\n"); });
        auto deep = warningsOf(r, WarningKind::ExpressionTooDeep);
        ASSERT_EQ(deep.size(), c.tooDeep ? 1u : 0u) << describe(r.warnings);
        if (c.tooDeep) {
            EXPECT_EQ(deep[0].line, 1u);
            EXPECT_EQ(deep[0].text,
                      "A kifejezés túl mélyen ágyazott (256 szintnél több): a sor "
                      "kimarad");
        } else {
            EXPECT_TRUE(r.warnings.empty()) << describe(r.warnings);
            EXPECT_DOUBLE_EQ(r.path.moves.at(0).x, 1);
        }
    }
    program::ReadResult minus;
    onSmallStack([&] { minus = readText("G0 X" + repeat(60001, '-') + "2 Y0 Z5\nM30\n"); });
    EXPECT_DOUBLE_EQ(minus.path.moves.at(0).x, -2);
}

// A thousand holes with a Q a thousand times too small: some thirty million pecks.
TEST(HostileFiles, OneBudgetOfMovesForTheWholeProgramKeepsWhatWasRead) {
    std::string text = "G21\nG0 X0 Y0 Z5\nG83 Z-9,9 R0 Q0,001 F100\n";
    for (int i = 1; i <= 1000; ++i) text += "X" + std::to_string(i) + "\n";
    text += "G80\nM30\n";
    auto r = readText(text);
    EXPECT_TRUE(r.stoppedAtBudget);
    EXPECT_EQ(r.path.moves.size(), program::ReadOptions{}.moveBudget);
    auto budget = warningsOf(r, WarningKind::MoveBudget);
    ASSERT_EQ(budget.size(), 1u);
    EXPECT_EQ(budget[0].line, r.path.moves.back().line);
    EXPECT_EQ(budget[0].text,
              "A program olvasása ennél a sornál leállt: 2000000 mozgásnál több lenne; az "
              "addig olvasott rész látszik");
    EXPECT_TRUE(warningsOf(r, WarningKind::NoProgramEnd).empty());
    // a loop of calls is bounded by the same budget
    program::ReadOptions o;
    o.moveBudget = 500;
    auto loop = program::readProgram(
        "G21\nG0 X0 Y0 Z5\nM98 P1 L1000000\nM30\nO1\nG83 X1 Z-9 R1 Q1 F100\nG80\nM99\n", o);
    EXPECT_EQ(loop.path.moves.size(), 500u);
    EXPECT_EQ(warningsOf(loop, WarningKind::MoveBudget).size(), 1u) << describe(loop.warnings);
    // a reading that fails is told as the reading's one warning
    auto failed = program::failedRead(std::bad_alloc());
    ASSERT_EQ(failed.warnings.size(), 1u);
    EXPECT_EQ(failed.warnings[0].text, "A program olvasása leállt: elfogyott a memória");
}

TEST(HostileFiles, WhatAControlStopsAtIsWarnedOnItsLine) {
    const std::string start = "G21\nG0 X0 Y0 Z5\n";
    struct Case {
        std::string lines;  // after start: line 3 on
        WarningKind kind;
        std::uint32_t line;
        std::string text;
    } cases[] = {
        {"G2 X0 Y0 R5 F100\n", WarningKind::RArcNoChord, 3,
         "Az R-rel megadott ív kezdő- és végpontja azonos: az ív nem határozható meg"},
        {"G1 Z1 F100\nG2 R5\n", WarningKind::RArcNoChord, 4,
         "Az R-rel megadott ív kezdő- és végpontja azonos: az ív nem határozható meg"},
        {"G0 Z-2\n", WarningKind::RapidIntoPart, 3,
         "Gyorsmenet lefelé a munkadarab teteje (Z0) alá, Z-2 magasságig: az anyagba megy"},
        {"G83 X1 Z-5 R-1 Q1 F100\nG80\n", WarningKind::RapidIntoPart, 3,
         "Gyorsmenet lefelé a munkadarab teteje (Z0) alá, Z-1 magasságig: az anyagba megy"},
        {"G83 X1 Z-5 R-6 Q1 F100\nG80\n", WarningKind::RPlaneBelowBottom, 3,
         "A fúróciklus R síkja (R-6) a furat alja (Z-5) alatt van: a vezérlő itt megáll, a furat "
         "elmarad"},
        {"G83 X1 Z-5 R1 Q0 F100\nG80\n", WarningKind::ZeroPeck, 3,
         "A fúróciklus fogása (Q) nulla: a furat egy fogásként szerepel"},
        {"G1 X1 F0\n", WarningKind::ZeroFeed, 3,
         "Előtolás nélküli marás (F0): a gép nem indul el, a futási idő nem becsülhető"},
        {"G4 P1" + repeat(300, '0') + "\n", WarningKind::LongDwell, 3,
         "Túl hosszú várakozás (G4 P): egy óránál több"},
        {"G0 X0," + repeat(400, '0') + "1\n", WarningKind::NumberTooSmall, 3,
         "A szám kisebb, mint amit a gép ábrázolni tud: \"0," + repeat(38, '0') + "…\""},
        {"G0 X1\nQQ" + repeat(10'000'000, 'A') + "\n", WarningKind::UnknownWord, 4,
         "Nem értelmezett szó: \"QQ" + repeat(38, 'A') + "…\""},
        {"M30\nG0 X1\n(második program)\nG0 X2\nO5 (hívatlan)\nG0 X3\nM99\n",
         WarningKind::LinesAfterEnd, 4,
         "A program vége (M30) után még 3 sor van: ezeket a gép nem hajtja végre"},
    };
    for (const auto& c : cases) {
        auto r = readText(start + c.lines + "M30\n");
        auto found = warningsOf(r, c.kind);
        ASSERT_EQ(found.size(), 1u) << c.lines.substr(0, 60) << describe(r.warnings);
        EXPECT_EQ(found[0].line, c.line) << c.text;
        EXPECT_EQ(found[0].text, c.text);
    }
}

TEST(HostileFiles, AFullCircleWithoutEndWordsIsCut) {
    auto r = readText("G21\nG0 X10 Y0 Z1\nG1 Z-1 F100\nG2 I-10 J0\nG0 Z5\nM30\n");
    EXPECT_TRUE(r.warnings.empty()) << describe(r.warnings);
    EXPECT_NEAR(r.measures.cutLength, 2 + 20 * std::numbers::pi, 1e-9);
    EXPECT_NEAR(r.measures.bounds.min[0], -10, 1e-9);
    EXPECT_NEAR(r.measures.bounds.max[1], 10, 1e-9);
}

TEST(HostileFiles, OnlyFiniteNumbersAreEverPrinted) {
    const std::string huge = "1" + repeat(200, '0');
    auto r = readText("G21\nG0 X0 Y0 Z5\nG1 X-" + huge + " F100\nG1 X" + huge +
                      "\nG0 X0 Y0\nG2 X10 Y0 R1" + repeat(300, '0') + "\nG1 X1 F0,0" +
                      repeat(60, '0') + "1\nM30\n");
    auto dropped = warningsOf(r, WarningKind::NotFinite);
    ASSERT_EQ(dropped.size(), 3u) << describe(r.warnings);
    EXPECT_EQ(dropped[0].text,
              "A mozgás eredménye nem ábrázolható szám (túl nagy): a mozgás kimarad");
    std::string printed = program::reportText(r, ',') + program::reportJson(r) +
                          program::toSvg(r.path, r.measures, program::SvgOptions{});
    for (char& c : printed) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(printed.find("inf"), std::string::npos) << printed.substr(0, 400);
    EXPECT_EQ(printed.find("nan"), std::string::npos) << printed.substr(0, 400);
    EXPECT_GE(r.measures.timeSeconds, 0);
}

}  // namespace
}  // namespace qorix::test

namespace qorix::test {
namespace {

// A file is read with the separator its own numbers use, whatever the settings say; only a
// line written with the other one is told.
TEST(OtherSeparator, TheProgramsOwnSeparatorIsFoundAndMixedLinesAreTold) {
    struct Case {
        std::string text;
        char found;
        bool fromFile;
        std::size_t moves;
        std::uint32_t unknownOn;  // 0: no warning
    } cases[] = {
        {"G21\n(1,5 mm)\nG0 X1.5 Y2 Z5\nG1 Z-1.25 F100\nM30\n", '.', true, 2, 0},
        {"G21\nG0 X1,5 Y2 Z5\nG1 Z-1,25 F100\nM30\n", ',', true, 2, 0},
        {"G21\nG0 X1 Y2 Z5\nM30\n", ',', false, 1, 0},
        {"G21\nG0 X1.5 Y2 Z5\nG1 Z-1,25 F100\nM30\n", '.', true, 1, 3},
    };
    for (const auto& c : cases) {
        program::ReadOptions o;
        o.separatorFromFile = true;
        auto r = program::readProgram(c.text, o);
        EXPECT_EQ(r.decimalSeparator, c.found) << c.text;
        EXPECT_EQ(r.separatorFromFile, c.fromFile) << c.text;
        EXPECT_EQ(r.path.moves.size(), c.moves) << c.text;
        auto unknown = warningsOf(r, WarningKind::UnknownWord);
        ASSERT_EQ(unknown.size(), c.unknownOn ? 1u : 0u) << describe(r.warnings);
        if (c.unknownOn) {
            EXPECT_EQ(unknown[0].line, c.unknownOn);
        }
    }
}

// The back-off above the last peck is the control's setting.
TEST(OtherSeparator, TheCyclesBackOffIsASetting) {
    for (double backOff : {0.5, 0.254}) {
        program::ReadOptions o;
        o.peckBackOff = backOff;
        auto r = program::readProgram("G0 X0 Y0 Z5\nG73 X1 Z-3 R1 Q2 F100\nG83 X2\nG80\nM30\n", o);
        ASSERT_EQ(r.path.holes.size(), 2u);
        auto at = [&](std::size_t hole, std::size_t k) {
            return r.path.moves[r.path.holes[hole].firstMove + k].z;
        };
        // rapid over, rapid to R 1, peck to -1, back off, peck to -3
        EXPECT_DOUBLE_EQ(at(0, 3), -1 + backOff);
        // G83: back to R, rapid down to above the last bottom
        EXPECT_DOUBLE_EQ(at(1, 4), -1 + backOff);
        EXPECT_DOUBLE_EQ(r.peckBackOff, backOff);
    }
}

}  // namespace
}  // namespace qorix::test
