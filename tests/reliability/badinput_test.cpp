// Bad texts in every field of every page: each one gives a check or conversion message and
// no program, or a program whose every number is finite; nothing but the program's own
// failures reaches the event wrapper. The table runs over the registry, so a page that is
// added is held to it at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "support/golden.h"
#include "support/process.h"
#include "tests/support/wizardprobe.h"

namespace qorix::test {
namespace {

struct BadText {
    std::string label;
    std::string text;
    bool mustBeRefused;  // no page may read it as a number
};

// The texts, with the separator that this run does not use standing in the number.
std::vector<BadText> badTexts(char separator) {
    char other = separator == ',' ? '.' : ',';
    return {
        {"empty", "", false},
        {"zero", "0", false},
        {"minus zero", "-0", false},
        {"blanks around", " 5 ", false},
        {"letters", "abc", true},
        {"three parts", std::string("1") + separator + "2" + separator + "3", true},
        {"the other separator", std::string("1") + other + "5", true},
        {"beyond the range", "1e5000", true},
        {"nan", "nan", true},
        {"inf", "inf", true},
        {"minus inf", "-INF", true},
        {"ten thousand digits", std::string(10000, '9'), true},
        {"outside Windows-1250", "5日", true},
        {"huge but finite", "1e300", false},
        {"beyond a double", "1e4000", false},
        {"tiny", "1e-300", false},
        {"huge negative", "-1e300", false},
    };
}

std::string describe(const probe::PressOutcome& o) {
    std::string s = o.wrote ? "wrote " + std::to_string(o.after.size()) + " lines" : "refused";
    for (const auto& m : o.messages) s += " [" + m.caption + ": " + m.text + "]";
    return s;
}

class BadInput : public ::testing::TestWithParam<std::string> {};

void runTable(const WizardEntry& entry, char separator, int& tried) {
    std::size_t fields = probe::WizardProbe(entry, separator).enabledEdits().size();
    ASSERT_GT(fields, 0u) << entry.slug << " has no field";
    for (std::size_t i = 0; i < fields; ++i) {
        for (const BadText& bad : badTexts(separator)) {
            probe::WizardProbe p(entry, separator);
            ASSERT_TRUE(p.startupFault().empty()) << p.startupFault();
            ui::Edit& edit = *p.enabledEdits().at(i);
            edit.setText(bad.text);
            probe::PressOutcome o = p.press();
            ++tried;
            std::string where = entry.slug + " " + edit.name() + " = " + bad.label + " (" +
                                std::string(1, separator) + "): " + describe(o);
            EXPECT_TRUE(o.fault.empty()) << where << "\n  " << o.fault;
            // A page may put its own text into a field before reading it (a ticked box
            // that stands for a value); then the bad text was never read.
            if (bad.mustBeRefused && edit.text() == bad.text) {
                EXPECT_FALSE(o.wrote) << where;
                EXPECT_FALSE(o.messages.empty()) << where;
                EXPECT_TRUE(o.after.empty()) << where;
            }
        }
    }
}

TEST_P(BadInput, EveryFieldRefusesOrWritesOnlyFiniteNumbers) {
    const WizardEntry* entry = findWizard(GetParam());
    ASSERT_NE(entry, nullptr);
    int tried = 0;
    runTable(*entry, ',', tried);
    runTable(*entry, '.', tried);
    std::cout << "[ bad inputs ] " << entry->slug << ": " << tried << " presses\n";
}

// A field emptied by mistake and then put right: the press after the correction writes the
// same program as a press that never failed (the drilling page used to stop silently).
TEST_P(BadInput, APressAfterACorrectedFieldWritesTheProgram) {
    const WizardEntry* entry = findWizard(GetParam());
    ASSERT_NE(entry, nullptr);
    probe::WizardProbe fresh(*entry, ',');
    probe::PressOutcome expected = fresh.press();
    ASSERT_TRUE(expected.wrote) << describe(expected);
    std::size_t fields = fresh.enabledEdits().size();
    for (std::size_t i = 0; i < fields; ++i) {
        for (const char* wrong : {"", "abc"}) {
            probe::WizardProbe p(*entry, ',');
            ui::Edit& edit = *p.enabledEdits().at(i);
            std::string right = edit.text();
            edit.setText(wrong);
            probe::PressOutcome first = p.press();
            EXPECT_TRUE(first.fault.empty()) << first.fault;
            edit.setText(right);
            probe::PressOutcome second = p.press();
            EXPECT_TRUE(second.fault.empty()) << second.fault;
            EXPECT_TRUE(second.wrote) << entry->slug << " " << edit.name() << " = \"" << wrong
                                      << "\" then \"" << right << "\": " << describe(second);
            // the program itself, at the end (a page may keep a listing before it)
            std::size_t n = std::min(second.after.size(), expected.after.size());
            EXPECT_TRUE(std::equal(second.after.end() - static_cast<std::ptrdiff_t>(n),
                                   second.after.end(),
                                   expected.after.end() - static_cast<std::ptrdiff_t>(n)))
                << entry->slug << " " << edit.name();
        }
    }
}

// A refused press in series mode keeps the programs written before it.
TEST_P(BadInput, ARefusedPressInSeriesModeKeepsTheEarlierProgram) {
    const WizardEntry* entry = findWizard(GetParam());
    ASSERT_NE(entry, nullptr);
    probe::WizardProbe p(*entry, ',');
    ui::RadioGroup* series = nullptr;
    for (ui::Form* f : p.wizard().forms())
        if (auto* g = f->findAs<ui::RadioGroup>("RadioGroup_s_")) series = g;
    if (!series) GTEST_SKIP() << entry->slug << " has no series choice";
    series->setItemIndex(1);
    probe::PressOutcome first = p.press();
    ASSERT_TRUE(first.wrote) << describe(first);
    p.enabledEdits().front()->setText("abc");
    probe::PressOutcome second = p.press();
    EXPECT_TRUE(second.fault.empty()) << second.fault;
    EXPECT_FALSE(second.wrote);
    EXPECT_EQ(second.after, first.after);
}

// The command-line generator in a child with a time limit: how it ended and what it said.
ProcessResult threadRepairWithin(int seconds, const std::string& args) {
    ProcessOptions options;
    options.timeLimit = std::chrono::seconds(seconds);
    ProcessResult r = runProcess({QORIX_CLI_PATH, "generate", "thread-repair", args}, options);
    r.err = lfLineEnds(r.err);
    return r;
}

// A pitch near zero, or a thread length or measured height near the largest double, once
// asked for a helical circle per pitch without end: the check now refuses them at once.
TEST(ThreadRepairLimits, APitchNearZeroOrAHugeLengthIsRefusedInTime) {
    const std::string refusal =
        "Figyelmeztetés rossz paraméterezésről: A menet túl hosszú a menetemelkedéshez képest: "
        "egy fogás legfeljebb 10000 kört írhat.";
    for (const char* args :
         {"Edit_zm_=1e-300", "Edit_zm_=-1e-300", "Edit_ml_=1e300", "Edit_Zpos_=1e300"}) {
        ProcessResult e = threadRepairWithin(10, args);
        EXPECT_TRUE(e.inTime) << args;
        EXPECT_EQ(e.status, 1) << args;
        EXPECT_EQ(e.out, "") << args;
        EXPECT_EQ(e.err.rfind(refusal, 0), 0u) << args << ": " << e.err;
    }
}

std::vector<std::string> slugs() {
    std::vector<std::string> s;
    for (const auto& e : wizardRegistry()) s.push_back(e.slug);
    return s;
}

std::string testName(const ::testing::TestParamInfo<std::string>& info) {
    std::string n = info.param;
    for (char& c : n)
        if (c == '-') c = '_';
    return n;
}

INSTANTIATE_TEST_SUITE_P(EveryPage, BadInput, ::testing::ValuesIn(slugs()), testName);

// The judge itself: what counts as a number that is not finite.
TEST(FiniteLines, NonFiniteWordsAndNumbersBeyondADoubleAreFound) {
    using probe::firstNonFiniteLine;
    EXPECT_EQ(firstNonFiniteLine({"G0 X1,0000", "G1 Z-INF"}), "G1 Z-INF");
    EXPECT_EQ(firstNonFiniteLine({"G1 XNAN"}), "G1 XNAN");
    EXPECT_EQ(firstNonFiniteLine({"(r= nan)"}), "(r= nan)");
    EXPECT_EQ(firstNonFiniteLine({"G0 X1,5E+400"}), "G0 X1,5E+400");
    std::string huge = "G0 X" + std::string(400, '9') + ",0000";
    EXPECT_EQ(firstNonFiniteLine({huge}), huge.substr(0, 117) + "...");
    EXPECT_EQ(firstNonFiniteLine({"(Információ: infó)", "G0 X1.5E-7 Y12,0000", "M30"}), "");
    EXPECT_EQ(firstNonFiniteLine({"G0 X" + std::string(300, '9') + ",0000"}), "");
}

}  // namespace
}  // namespace qorix::test
