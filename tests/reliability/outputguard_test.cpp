// The last guard of every page's create sequence: a run whose program would hold a number
// the machine cannot read, or that fails half way, leaves the output as it was before it.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "ui/event.h"
#include "wizards/common/errors.h"
#include "wizards/common/messages.h"
#include "wizards/common/page.h"

namespace qorix {
namespace {

// A page whose program is whatever the test says.
class ScriptedPage : public WizardPage {
public:
    explicit ScriptedPage(Services& s) : WizardPage("Scripted", "Próba", s) {}
    void ReadParameters() override {}
    void PrepareValues() override {}
    void WriteHeaderComments() override { AddLine("(próba)"); }
    void GenerateProgram() override { generate(*this); }
    bool seriesFlag() const override { return series; }
    bool errorFlag() const override { return false; }

    std::function<void(ScriptedPage&)> generate;
    bool series = false;
    std::string f4(long double v) const { return services().num.f4(v); }
};

class OutputGuardTest : public ::testing::Test {
protected:
    ui::RecordingDialogs dialogs;
    NumberText num{','};
    Services services{dialogs, num};
    ScriptedPage page{services};

    bool press() {
        return ui::runEvent(dialogs, [&] { page.Button1.click(); });
    }
};

TEST_F(OutputGuardTest, ASoundProgramIsWritten) {
    page.generate = [](ScriptedPage& p) { p.AddLine("G0 X" + p.f4(1e300L)); };
    EXPECT_TRUE(press());
    EXPECT_TRUE(page.lastRunWrote());
    EXPECT_EQ(page.Memo1.lines().size(), 2u);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(OutputGuardTest, ANumberBeyondADoubleStopsTheRunAndLeavesNoLine) {
    page.generate = [](ScriptedPage& p) {
        p.AddLine("G0 X1,0000");
        p.AddLine("G1 X" + p.f4(1e309L) + " F100");
        p.AddLine("M30");
    };
    EXPECT_TRUE(press());
    EXPECT_FALSE(page.lastRunWrote());
    EXPECT_TRUE(page.Memo1.lines().empty());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, msg::kErrorCaption);
    EXPECT_EQ(dialogs.messages()[0].text.rfind(msg::kNotFiniteNumber, 0), 0u);
    EXPECT_NE(dialogs.messages()[0].text.find("G1 X1000"), std::string::npos);
}

TEST_F(OutputGuardTest, InfAndNanWordsStopTheRun) {
    for (long double v : {std::numeric_limits<long double>::infinity(),
                          -std::numeric_limits<long double>::infinity(),
                          std::numeric_limits<long double>::quiet_NaN()}) {
        dialogs.clearMessages();
        page.generate = [v](ScriptedPage& p) { p.AddLine("G0 Z" + p.f4(v)); };
        press();
        EXPECT_FALSE(page.lastRunWrote());
        EXPECT_TRUE(page.Memo1.lines().empty());
        EXPECT_EQ(dialogs.messages().size(), 1u);
    }
}

TEST_F(OutputGuardTest, InSeriesModeTheEarlierProgramsStayWhole) {
    page.series = true;
    page.generate = [](ScriptedPage& p) { p.AddLine("G0 X1,0000"); };
    press();
    press();
    ASSERT_EQ(page.Memo1.lines().size(), 4u);
    auto earlier = page.Memo1.lines();
    page.generate = [](ScriptedPage& p) { p.AddLine("G0 XNAN"); };
    press();
    EXPECT_FALSE(page.lastRunWrote());
    EXPECT_EQ(page.Memo1.lines(), earlier);
}

TEST_F(OutputGuardTest, AFailureThrownHalfWayLeavesNoPieceOfTheProgram) {
    page.series = true;
    page.generate = [](ScriptedPage& p) { p.AddLine("G0 X1,0000"); };
    press();
    auto earlier = page.Memo1.lines();
    page.generate = [](ScriptedPage& p) {
        p.AddLine("G0 X2,0000");
        throw ConversionError("„x” nem érvényes szám.");
    };
    EXPECT_FALSE(press());
    EXPECT_FALSE(page.lastRunWrote());
    EXPECT_EQ(page.Memo1.lines(), earlier);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], (ui::Message{ui::kFailureCaption, "„x” nem érvényes szám."}));
}

// A field value that a double cannot hold is no number.
TEST(FieldRange, ADoubleBoundsWhatAFieldReads) {
    NumberText comma(',');
    EXPECT_EQ(comma.toFloat("1e308"), 1e308L);
    EXPECT_EQ(comma.toFloat("-1,7e308"), -1.7e308L);
    EXPECT_THROW(comma.toFloat("1e309"), ConversionError);
    EXPECT_THROW(comma.toFloat("-1e4000"), ConversionError);
    EXPECT_THROW(comma.toFloat(std::string(400, '9')), ConversionError);
    try {
        comma.toFloat("1e4000");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "„1e4000” nem érvényes szám.");
    }
}

}  // namespace
}  // namespace qorix
