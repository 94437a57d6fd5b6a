// The Fibonacci spiral page through its controls: defaults and states, the reading with its
// fills, boxes and early ends, the depth passes, and the refusal of programs that are too
// long or whose radii overflow.
#include "wizards/spiral/fibonacci.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/cli.h"
#include "support/pagetest.h"
#include "ui/event.h"
#include "wizards/common/messages.h"

namespace qorix {
namespace {

using ui::Message;

constexpr const char* kStepDownCaption = "Figyelmeztatés rossz paraméterezésről";
constexpr const char* kStepDownText =
    "Értelmetlen beállítani maximális fogási mélységet ha a teljes marási mélység kisebb!";
constexpr const char* kToolLimitText =
    "Nagyobb a marási mélység mint a szerszám megengedett maximális marási mélysége!";
constexpr const char* kDepthMissingText = "Nem adtad meg a marás mélységét!";
constexpr const char* kDepthPositiveText =
    "Marási mélységnek pozitív értéket adtál meg. Gondold végig!! A program tovább megy, ez "
    "csak figyelmeztetés.";

class Fibonacci : public test::PageTest<FibonacciSpiralPage> {
protected:
    void stepDown(const char* text) {
        page.CheckBox2.setChecked(false);
        page.Edit9.setText(text);
    }
    void turns(const char* full, int part) {
        page.CheckBox3.setChecked(false);
        page.Edit3.setText(full);
        page.RadioGroup2.setItemIndex(part);
    }
};

TEST_F(Fibonacci, ControlsStartWithTheirCaptionsDefaultsAndStates) {
    NumberText n{','};
    ui::RecordingDialogs d;
    Services s{d, n};
    FibonacciSpiralPage fresh(s);
    EXPECT_EQ(fresh.Title.caption(), "Fibonacci spirál");
    EXPECT_EQ(fresh.Edit1.text(), "0,0000");
    EXPECT_EQ(fresh.Edit10.caption(), "Nagyítás (a képen látható miliméter értékek  szorzója):");
    EXPECT_EQ(fresh.Edit10.text(), "0,00");
    EXPECT_EQ(fresh.Edit7.text(), "-2,0000");
    EXPECT_EQ(fresh.Edit8.text(), "");
    EXPECT_EQ(fresh.Edit9.text(), "");
    EXPECT_EQ(fresh.Edit3.text(), "2");
    EXPECT_EQ(fresh.RadioGroup2.itemIndex(), 0);
    EXPECT_EQ(fresh.RadioGroup2.items(), (std::vector<std::string>{"nincs", "1/4", "1/2", "3/4"}));
    EXPECT_EQ(fresh.RadioGroup3.itemIndex(), 1);
    EXPECT_EQ(fresh.RadioGroup3.caption(), " Spirál forgásiránya óramutató járásával ");
    EXPECT_EQ(fresh.RadioGroup1.items(), (std::vector<std::string>{"Csak G kód", "Csak képlet"}));
    EXPECT_EQ(fresh.Edit4.caption(), "Elforgatás szöge:");
    EXPECT_EQ(fresh.Edit4.suffix(), "° (fok)");
    EXPECT_FALSE(fresh.Edit4.enabled());
    EXPECT_TRUE(fresh.CheckBox4.checked());
    EXPECT_FALSE(fresh.CheckBox4.enabled());
    EXPECT_EQ(fresh.Image1.picture(), "fibonacci.jpg");
    // no clearing button, no series and no tool "nincs" box on this page
    EXPECT_EQ(fresh.find("Button2"), nullptr);
    EXPECT_EQ(fresh.find("RadioGroup_s_"), nullptr);
    EXPECT_FALSE(fresh.seriesFlag());

    // the start-up reading applies "Csak a képen látható" where the user sees it
    fresh.startup();
    EXPECT_EQ(fresh.Edit3.text(), "1");
    EXPECT_EQ(fresh.RadioGroup2.itemIndex(), 2);
    EXPECT_TRUE(d.messages().empty());
    EXPECT_TRUE(fresh.Memo1.lines().empty());
}

TEST_F(Fibonacci, CheckBoxesSwitchNothing) {
    page.CheckBox1.setChecked(false);
    page.CheckBox2.setChecked(false);
    page.CheckBox3.setChecked(false);
    page.CheckBox1.setChecked(true);
    page.CheckBox2.setChecked(true);
    EXPECT_TRUE(page.Edit8.enabled());
    EXPECT_TRUE(page.Edit9.enabled());
    EXPECT_TRUE(page.Edit3.enabled());
    EXPECT_TRUE(page.RadioGroup2.enabled());
}

TEST_F(Fibonacci, PictureOnlyForcesOneTurnAndAHalf) {
    turns("5", 3);
    page.CheckBox3.setChecked(true);
    ASSERT_TRUE(press());
    EXPECT_EQ(page.Edit3.text(), "1");
    EXPECT_EQ(page.RadioGroup2.itemIndex(), 2);
    EXPECT_EQ(count("G3 X"), 6);
}

TEST_F(Fibonacci, EachPressReplacesTheProgram) {
    ASSERT_TRUE(press());
    ASSERT_TRUE(press());
    EXPECT_EQ(out().size(), 37u);
}

TEST_F(Fibonacci, EmptiedDepthShowsZeroAndWritesNothing) {
    ASSERT_TRUE(press());
    page.Edit7.setText("");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(), (std::vector<Message>{error(kDepthMissingText)}));
    EXPECT_EQ(page.Edit7.text(), "0");
    EXPECT_TRUE(out().empty());
}

TEST_F(Fibonacci, EmptiedDepthLetsTheLaterChecksShowTheirBoxes) {
    page.Edit7.setText("");
    stepDown("0,5");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(),
              (std::vector<Message>{error(kDepthMissingText), {kStepDownCaption, kStepDownText}}));
    EXPECT_TRUE(out().empty());
}

TEST_F(Fibonacci, ToolLimitEndsTheReadingBeforeTheStepDownCheck) {
    page.CheckBox1.setChecked(false);
    page.Edit8.setText("1");
    stepDown("3");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(), (std::vector<Message>{error(kToolLimitText)}));
    EXPECT_TRUE(out().empty());
}

TEST_F(Fibonacci, StepDownAboveTheDepthHasItsOwnCaption) {
    stepDown("3");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(), (std::vector<Message>{{kStepDownCaption, kStepDownText}}));
    EXPECT_TRUE(out().empty());
}

TEST_F(Fibonacci, PositiveDepthWarnsAndStillChecksTheToolLimit) {
    page.Edit7.setText("3");
    page.CheckBox1.setChecked(false);
    page.Edit8.setText("2");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(), (std::vector<Message>{{msg::kWarningCaption, kDepthPositiveText},
                                                        error(kToolLimitText)}));
}

TEST_F(Fibonacci, ToolLimitWithinTheDepthIsNamedInTheHeader) {
    page.CheckBox1.setChecked(false);
    page.Edit8.setText("2");
    ASSERT_TRUE(press());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(out().at(7), "(szerszám max fogási mélység 2)");
    EXPECT_EQ(out().size(), 38u);
}

TEST_F(Fibonacci, EmptyFieldsAreFilledAndEmptyLimitsTickTheirBoxes) {
    for (ui::Edit* e : {&page.Edit1, &page.Edit2, &page.Edit5, &page.Edit6, &page.Edit10,
                        &page.Edit11, &page.Edit12, &page.Edit13, &page.Edit14})
        e->setText("");
    page.CheckBox1.setChecked(false);
    page.CheckBox2.setChecked(false);
    ASSERT_TRUE(press());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(page.Edit1.text(), "0");
    EXPECT_EQ(page.Edit2.text(), "0");
    EXPECT_EQ(page.Edit5.text(), "150");
    EXPECT_EQ(page.Edit6.text(), "300");
    EXPECT_EQ(page.Edit10.text(), "1");
    EXPECT_EQ(page.Edit11.text(), "0");
    EXPECT_EQ(page.Edit12.text(), "0");
    EXPECT_EQ(page.Edit13.text(), "1");
    EXPECT_EQ(page.Edit14.text(), "1000");
    EXPECT_TRUE(page.CheckBox1.checked());
    EXPECT_TRUE(page.CheckBox2.checked());
    EXPECT_TRUE(has("G0 Z0,0000"));  // safe offset 0
    EXPECT_TRUE(has("G1 Z-2,0000F150,0000"));
    EXPECT_TRUE(has("T1 M6"));
}

TEST_F(Fibonacci, TextsThatAreNoNumbersEndTheRun) {
    page.Edit7.setText("a");
    EXPECT_FALSE(press());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, ui::kFailureCaption);
    EXPECT_TRUE(out().empty());

    page.Edit7.setText("-2");
    turns("1,5", 0);
    EXPECT_FALSE(press());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, ui::kFailureCaption);
    EXPECT_TRUE(out().empty());
}

struct PassCase {
    const char* depth;
    const char* step;
    std::int32_t passes;
};

TEST_F(Fibonacci, PassesAreTheWholeQuotientPlusOneWithinAHundredSteps) {
    const PassCase cases[] = {
        {"-2", "0,5", 5},
        {"-2", "0,6", 4},
        {"-2", "2", 2},
        {"2", "0,5", 5},
        {"-1,5625", "0,015625", 101},  // exactly one hundred steps fit
    };
    for (const PassCase& c : cases) {
        page.Edit7.setText(c.depth);
        stepDown(c.step);
        page.startup();
        EXPECT_FALSE(page.errorFlag()) << c.depth << " / " << c.step;
        EXPECT_EQ(page.rec.passes, c.passes) << c.depth << " / " << c.step;
        EXPECT_EQ(page.rec.passDepth, page.rec.depth / c.passes) << c.depth << " / " << c.step;
    }
}

// A step-down that a hundred passes cannot carry to the depth (or one of 0 or below) would
// have cut the whole depth at once; the run is refused and writes nothing (the page empties
// its box first, as for every refusal).
TEST_F(Fibonacci, AStepDownTooSmallForAHundredPassesIsRefused) {
    const PassCase cases[] = {
        {"-1,578125", "0,015625", 0},  // one step more than a hundred
        {"-2", "0,015", 0},
        {"-2", "0", 0},
        {"-2", "-0,5", 0},
    };
    for (const PassCase& c : cases) {
        page.Edit7.setText(c.depth);
        stepDown(c.step);
        EXPECT_FALSE(press()) << c.depth << " / " << c.step;
        EXPECT_EQ(dialogs.messages(), (std::vector<Message>{error(msg::kStepLimitTooSmall)}))
            << c.depth << " / " << c.step;
        EXPECT_TRUE(out().empty());
        // the parametric form is refused alike
        page.RadioGroup1.setItemIndex(1);
        EXPECT_FALSE(press());
        page.RadioGroup1.setItemIndex(0);
    }
}

TEST_F(Fibonacci, StepDownBesideATickedBoxIsOnePass) {
    page.Edit9.setText("0,5");
    ASSERT_TRUE(press());
    EXPECT_EQ(page.rec.passes, 1);
    EXPECT_EQ(count("G1 Z-"), 1);
}

// The count that decides the refusal must be the count that the generator writes.
TEST_F(Fibonacci, LineCountForeseesTheProgram) {
    for (int comments = 0; comments < 2; ++comments)
        for (const char* step : {"", "0,5", "3"})
            for (int part = 0; part < 4; ++part)
                for (const char* full : {"0", "1", "3", "-1"}) {
                    page.CheckBox5.setChecked(comments == 1);
                    page.CheckBox1.setChecked(comments == 1);
                    page.Edit8.setText("5");
                    page.CheckBox2.setChecked(*step == '\0');
                    page.Edit9.setText(step);
                    page.Edit7.setText(*step == '3' ? "-4" : "-2");
                    turns(full, part);
                    ASSERT_TRUE(press()) << full << " " << part << " " << step;
                    EXPECT_EQ(page.plainLineCount(), static_cast<std::int64_t>(out().size()))
                        << full << " " << part << " " << step << " " << comments;
                }
}

TEST_F(Fibonacci, PlainProgramsBeyondAMillionLinesAreRefused) {
    // 101 passes of 9897 arcs without comments: 999 914 lines; one arc more is too many.
    // The reading alone decides (the count is the generator's, see above), so the test need
    // not write a million lines.
    ASSERT_TRUE(press());  // a program already on the page goes when the next one is refused
    page.CheckBox5.setChecked(false);
    page.Edit7.setText("-1,5625");
    stepDown("0,015625");
    turns("2474", 1);
    page.Edit10.setText("1e-4000");  // radii that stay readable for so many turns
    page.startup();
    EXPECT_FALSE(page.errorFlag());
    EXPECT_EQ(page.plainLineCount(), 999914);
    EXPECT_TRUE(dialogs.messages().empty());

    page.RadioGroup2.setItemIndex(2);
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(),
              (std::vector<Message>{error("A program túl hosszú lenne: 1000015 sor, legfeljebb "
                                          "1 000 000 sor lehet. Csökkentsd a körbefordulások "
                                          "vagy a mélységi ciklusok számát!")}));
    EXPECT_TRUE(out().empty());

    // the parametric form has the same length whatever the turns
    page.RadioGroup1.setItemIndex(1);
    ASSERT_TRUE(press());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(out().size(), 97u);
    EXPECT_EQ(out().at(6), "#7=2474,0000");
}

TEST_F(Fibonacci, SpiralsWhoseRadiiOverflowAreRefused) {
    const Message overflow = error(
        "A spirál sugarai vagy végpontjai túl nagyok lennének, számként nem írhatók ki. "
        "Csökkentsd a nagyítást vagy a körbefordulások számát!");
    // the sixth arc has the radius 8 x scale and ends at X -10 x scale
    page.Edit10.setText("1e307");
    ASSERT_TRUE(press());
    EXPECT_EQ(count("G3 X"), 6);
    // ending at X -2e308, beyond what the machine reads: refused before a line is written
    page.Edit10.setText("2e307");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(), (std::vector<Message>{overflow}));
    EXPECT_TRUE(out().empty());
    dialogs.clearMessages();
    // a scale that a double cannot hold is no number
    page.Edit10.setText("1e4931");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(),
              (std::vector<Message>{{ui::kFailureCaption,
                                     "„1e4931” nem érvényes szám. (mező: Nagyítás (a képen látható "
                                     "miliméter értékek  szorzója))"}}));
    dialogs.clearMessages();

    // scale 1 in 100 passes: 369 turns stay below the largest double, one quarter more does
    // not; a spiral far beyond it (gigabytes of text) is refused as quickly
    page.Edit10.setText("1");
    page.Edit7.setText("-99,5");
    stepDown("1");
    turns("369", 0);
    ASSERT_TRUE(press());
    EXPECT_EQ(out().size(), 148129u);
    turns("369", 1);
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(), (std::vector<Message>{overflow}));
    EXPECT_TRUE(out().empty());
    dialogs.clearMessages();
    turns("2400", 0);
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(), (std::vector<Message>{overflow}));
}

// Radii below the last written decimal are written as zero, however small: a scale of
// 1e-4000 lets the spiral run up to the line bound, and its radii stay readable.
TEST_F(Fibonacci, TinyScalesWriteStraightFeedsForZeroRadii) {
    page.CheckBox5.setChecked(false);
    page.Edit10.setText("1e-4000");
    turns("3", 0);
    ASSERT_TRUE(press());
    // arcs of radius 0 go nowhere and would stop the control: straight feeds in their place
    EXPECT_EQ(count("G1 X0,0000 Y0,0000 F"), 12);
    EXPECT_EQ(count("G3 "), 0);
    EXPECT_EQ(count("G1 X-0"), 0);  // no negative zero
}

TEST_F(Fibonacci, RefusedParametricChecksStillShowTheirBoxes) {
    page.RadioGroup1.setItemIndex(1);
    stepDown("3");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(), (std::vector<Message>{{kStepDownCaption, kStepDownText}}));
    EXPECT_TRUE(out().empty());
}

TEST(FibonacciCli, TheRotationCannotBeSet) {
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"generate", "fibonacci", "Edit4=30"}, out, err, ','), kExitUsage);
    EXPECT_EQ(runCli({"generate", "fibonacci", "CheckBox4=0"}, out, err, ','), kExitUsage);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace qorix
