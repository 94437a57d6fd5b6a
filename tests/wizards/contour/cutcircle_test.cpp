// The cut circle page through its controls: checks and their boxes, depth passes, the
// header, entry modes and series mode.
#include "wizards/contour/cutcircle.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/pagetest.h"
#include "ui/event.h"
#include "wizards/common/messages.h"

namespace qorix {
namespace {

using ui::Message;

using CutCircle = test::PageTest<CutCirclePage>;

TEST_F(CutCircle, StartsWithTheDefaultsAndTheirEnabledStates) {
    EXPECT_EQ(page.Title.caption(), "Kör kivágás (cut circle)");
    EXPECT_EQ(page.Edit_x_.text(), "0,0000");
    EXPECT_EQ(page.Edit_m_.text(), "-2,0000");
    EXPECT_EQ(page.Edit_r_.text(), "20");
    EXPECT_EQ(page.Edit_r_.caption(), "Kör átmérője:");
    EXPECT_EQ(page.Edit_szc_.text(), "0,6");
    EXPECT_FALSE(page.Edit_szc_.enabled());
    EXPECT_TRUE(page.CheckBox_szc_.checked());
    EXPECT_FALSE(page.CheckBox_szsz_.checked());
    EXPECT_EQ(page.RadioGroup_zi_.items()[1], "Spirál pályán ");
    EXPECT_EQ(page.RadioGroup_zi_.itemIndex(), 1);
    EXPECT_EQ(page.RadioGroup_s_.items()[0], "Csak egy kör ");
    EXPECT_EQ(page.RadioGroup_s_.itemIndex(), 0);
    EXPECT_EQ(page.Button1.caption(), "Létrehozás");
    EXPECT_EQ(page.Button2.caption(), "Törlés");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(out().empty());
}

TEST_F(CutCircle, DefaultsUnderDotSettingsReadWithoutAnyMessage) {
    NumberText dot('.');
    Services dotServices{dialogs, dot};
    CutCirclePage dotPage(dotServices);
    EXPECT_EQ(dotPage.Edit_x_.text(), "0.0000");
    EXPECT_EQ(dotPage.Edit_szc_.text(), "0.6");
    dialogs.clearMessages();
    ASSERT_TRUE(ui::runEvent(dialogs, [&] { dotPage.Button1.click(); }));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(dotPage.Memo1.lines().at(9), "G0 Z5.0000");
}

TEST_F(CutCircle, CheckBoxesSwitchTheirFields) {
    page.CheckBox_szc_.setChecked(false);
    EXPECT_TRUE(page.Edit_szc_.enabled());
    page.CheckBox_szc_.setChecked(true);
    EXPECT_FALSE(page.Edit_szc_.enabled());
    page.CheckBox_szsz_.setChecked(true);
    EXPECT_FALSE(page.Edit_szsz_.enabled());
    EXPECT_FALSE(page.Edit_ff_.enabled());
    page.CheckBox_szsz_.setChecked(false);
    EXPECT_TRUE(page.Edit_szsz_.enabled());
    EXPECT_TRUE(page.Edit_ff_.enabled());
}

TEST_F(CutCircle, StepOf06OnDepth2GivesFourPassesOfHalfAMillimetre) {
    page.CheckBox_szc_.setChecked(false);
    ASSERT_TRUE(press());
    EXPECT_EQ(page.rec.passes, 4);
    EXPECT_TRUE(has("(mélységi ciklusok száma 4)"));
    EXPECT_TRUE(has("(ciklusonkénti mélység -0,5000)"));
    EXPECT_TRUE(has("(lépésenkénti max fogási mélység 0,6)"));
    EXPECT_TRUE(has("(4. mélységi ciklus)"));
    // helical: two arcs a pass and the flat finishing circle
    EXPECT_EQ(count("G2 X"), 2 * 4 + 2);
}

TEST_F(CutCircle, AnExactMultipleOfTheStepTakesOnePassMore) {
    page.CheckBox_szc_.setChecked(false);
    page.Edit_szc_.setText("0,5");
    ASSERT_TRUE(press());
    EXPECT_EQ(page.rec.passes, 5);
    EXPECT_TRUE(has("(mélységi ciklusok száma 5)"));
    EXPECT_TRUE(has("(ciklusonkénti mélység -0,4000)"));
    EXPECT_TRUE(has("G2 X-7,5000 Y0,0000 Z-2,0000 R7,5000"));
}

TEST_F(CutCircle, AStepLargerThanTheDepthIsOnePassWithoutStepLines) {
    page.CheckBox_szc_.setChecked(false);
    page.Edit_szc_.setText("3");
    ASSERT_TRUE(press());
    EXPECT_EQ(page.rec.passes, 1);
    EXPECT_EQ(count("(mélységi"), 0);
    EXPECT_EQ(count("(ciklusonkénti"), 0);
    EXPECT_EQ(count("(lépésenkénti"), 0);
}

TEST_F(CutCircle, AStepLimitTooSmallForAHundredPassesIsRefused) {
    page.CheckBox_szc_.setChecked(false);
    page.Edit_szc_.setText("0,01");
    EXPECT_FALSE(press());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], error(msg::kStepLimitTooSmall));
    EXPECT_TRUE(out().empty());
    // a hundred steps of 0,0201 do reach beyond 2
    page.Edit_szc_.setText("0,0201");
    EXPECT_TRUE(press());
    EXPECT_EQ(page.rec.passes, 100);
}

TEST_F(CutCircle, HelicalEntryWritesTwoArcsAPassAndAFlatCircle) {
    page.CheckBox_szc_.setChecked(false);
    page.Edit_szc_.setText("1,5");
    ASSERT_TRUE(press());
    EXPECT_EQ(count("G2 X"), 2 * 2 + 2);
    EXPECT_EQ(count("G1 Z"), 2);  // down to start Z and back up only
}

TEST_F(CutCircle, StraightEntryWritesTwoArcsAPass) {
    page.RadioGroup_zi_.setItemIndex(0);
    page.CheckBox_szc_.setChecked(false);
    page.Edit_szc_.setText("0,6");
    ASSERT_TRUE(press());
    EXPECT_EQ(count("G2 X"), 2 * 4);
    EXPECT_TRUE(has("G1 Z-0,5000 F150"));
    EXPECT_TRUE(has("G1 Z-2,0000 F150"));
    EXPECT_TRUE(has("(Z tengely egyenesen le mozog)"));
}

TEST_F(CutCircle, CounterClockwiseArcsAreG3) {
    page.RadioGroup_cw_.setItemIndex(1);
    ASSERT_TRUE(press());
    EXPECT_EQ(count("G2 "), 0);
    EXPECT_EQ(count("G3 X"), 4);
    EXPECT_TRUE(has("(forgásirány CCW)"));
}

TEST_F(CutCircle, NoToolLinesWhenTheToolBoxIsTicked) {
    page.CheckBox_szsz_.setChecked(true);
    page.Edit_szsz_.setText("");  // not read at all
    ASSERT_TRUE(press());
    EXPECT_EQ(count("T"), 0);
    EXPECT_EQ(count("S"), 0);
    EXPECT_FALSE(has("G4 P2000"));
    EXPECT_FALSE(has("M5"));
    EXPECT_EQ(out().back(), "M30");
}

TEST_F(CutCircle, CoolantLinesM7AndM8WithM9AtTheEnd) {
    page.RadioGroup_h_.setItemIndex(1);
    ASSERT_TRUE(press());
    EXPECT_TRUE(has("M7"));
    page.RadioGroup_h_.setItemIndex(2);
    ASSERT_TRUE(press());
    EXPECT_TRUE(has("M8"));
    EXPECT_FALSE(has("M7"));
    auto n = out().size();
    EXPECT_EQ(out()[n - 3], "M9");
    EXPECT_EQ(out()[n - 2], "M5");
    EXPECT_EQ(out()[n - 1], "M30");
}

TEST_F(CutCircle, SpindleM4AndTheToolTextsAsTyped) {
    page.RadioGroup_m34_.setItemIndex(1);
    page.Edit_szsz_.setText("07");
    page.Edit_ff_.setText("12000");
    ASSERT_TRUE(press());
    EXPECT_TRUE(has("T07 M6"));
    EXPECT_TRUE(has("S12000 M4"));
}

TEST_F(CutCircle, WithoutCommentsNoCommentLines) {
    page.CheckBox_msg_.setChecked(false);
    ASSERT_TRUE(press());
    EXPECT_EQ(out().front(), "G21 G90");
    EXPECT_EQ(count("("), 0);
}

// A circle as wide as the tool has no circle left to go round: an arc of radius 0 would stop
// the control, so each pass goes straight down where its arcs were.
TEST_F(CutCircle, ACircleEqualToTheToolGoesStraightDownWithoutArcs) {
    page.Edit_r_.setText("5");
    ASSERT_TRUE(press());
    EXPECT_TRUE(has("G1 X0,0000 Y0,0000 F300"));
    EXPECT_TRUE(has("G1 X0,0000 Y0,0000 Z-1,0000 F300"));
    for (const std::string& line : out()) EXPECT_EQ(line.find("R0,0000"), std::string::npos);
}

TEST_F(CutCircle, ACircleSmallerThanTheToolIsRefused) {
    page.Edit_r_.setText("4");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(),
              std::vector<Message>{error("A kör átmérője kisebb mint a szerszám átmérője.")});
    EXPECT_TRUE(out().empty());
}

TEST_F(CutCircle, ACircleOfZeroIsRefused) {
    page.Edit_r_.setText("0");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(),
              std::vector<Message>{error("A kör átmérője \"0\", vagy nem adtál meg értéket.")});
}

TEST_F(CutCircle, DepthEmptyOrZeroIsAnErrorAndTheOutputStaysEmpty) {
    ASSERT_TRUE(press());
    for (const char* depth : {"", "0", "0,0000"}) {
        page.Edit_m_.setText(depth);
        EXPECT_FALSE(press()) << depth;
        EXPECT_EQ(dialogs.messages(), std::vector<Message>{error(msg::kDepthZero)}) << depth;
        EXPECT_TRUE(out().empty());
    }
}

TEST_F(CutCircle, APositiveDepthWarnsAndStillWritesUpwardPasses) {
    page.Edit_m_.setText("2");
    ASSERT_TRUE(press());
    EXPECT_EQ(dialogs.messages(),
              (std::vector<Message>{{msg::kWarningCaption, msg::kDepthPositive}}));
    EXPECT_TRUE(has("G2 X7,5000 Y0,0000 Z1,0000 R7,5000 F300"));
    EXPECT_TRUE(has("G2 X-7,5000 Y0,0000 Z2,0000 R7,5000"));
}

TEST_F(CutCircle, TwoFailingChecksShowTwoBoxesInOrder) {
    page.Edit_m_.setText("0");
    page.Edit_g23_.setText("");
    page.CheckBox_szsz_.setChecked(false);
    page.Edit_szsz_.setText("0");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(),
              (std::vector<Message>{error(msg::kDepthZero), error(msg::kToolNumberZero),
                                    error(msg::kG23Empty)}));
}

TEST_F(CutCircle, EmptyToolDiameterThenTheCircleCheckFailsToConvertIt) {
    page.Edit_sz_.setText("");
    EXPECT_FALSE(press());
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[0], error(msg::kToolDiameterZero));
    EXPECT_EQ(dialogs.messages()[1],
              (Message{ui::kFailureCaption, "„” nem érvényes szám. (mező: Szerszám átmérő)"}));
    EXPECT_TRUE(out().empty());
}

TEST_F(CutCircle, ALetterInAFieldEndsTheRunWithTheConversionMessage) {
    page.Edit_y_.setText("1O");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(),
              (std::vector<Message>{
                  {ui::kFailureCaption, "„1O” nem érvényes szám. (mező: Y tengely kezdőpontja)"}}));
    EXPECT_TRUE(out().empty());
    page.Edit_y_.setText("10");
    EXPECT_TRUE(press());
}

TEST_F(CutCircle, AFractionInAFeedIsAConversionFailure) {
    page.Edit_g1_.setText("150,5");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(),
              (std::vector<Message>{
                  {ui::kFailureCaption, "„150,5” nem érvényes egész szám. (mező: G1 feed)"}}));
}

TEST_F(CutCircle, AnEmptyStartFieldBecomesZeroOnScreen) {
    page.Edit_x_.setText("");
    page.Edit_zsb_.setText("");
    ASSERT_TRUE(press());
    EXPECT_EQ(page.Edit_x_.text(), "0");
    EXPECT_EQ(page.Edit_zsb_.text(), "0");
    EXPECT_TRUE(has("(kezdőpont X0 Y0,0000 Z0,0000)"));
    EXPECT_TRUE(has("G0 Z0,0000"));
}

TEST_F(CutCircle, EmptyStepLimitIsAnErrorWhenTheBoxIsClear) {
    page.CheckBox_szc_.setChecked(false);
    page.Edit_szc_.setText("");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(), std::vector<Message>{error(msg::kStepLimitZero)});
}

TEST_F(CutCircle, SpindleSpeedAndFeedsChecks) {
    page.Edit_ff_.setText("0");
    page.Edit_g1_.setText("");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(),
              (std::vector<Message>{error(msg::kSpindleZero), error(msg::kG1Empty)}));
    // a feed of 0 is accepted
    page.Edit_ff_.setText("1000");
    page.Edit_g1_.setText("0");
    EXPECT_TRUE(press());
    EXPECT_TRUE(has("G1 Z0,0000 F0"));
}

TEST_F(CutCircle, SeriesModeAppendsProgramsWithoutOpeningAndEndCodes) {
    page.RadioGroup_s_.setItemIndex(1);
    EXPECT_EQ(dialogs.messages(),
              (std::vector<Message>{{msg::kWarningCaption, msg::kSeriesWarning}}));
    page.RadioGroup_h_.setItemIndex(1);
    ASSERT_TRUE(press());
    auto first = out().size();
    ASSERT_TRUE(press());
    EXPECT_EQ(out().size(), 2 * first);
    EXPECT_EQ(count("G21 G90"), 0);
    EXPECT_EQ(count("M30"), 0);
    EXPECT_EQ(count("M5"), 0);
    EXPECT_EQ(count("M9"), 0);
    EXPECT_EQ(count("T1 M6"), 2);
    EXPECT_EQ(count("M7"), 2);
    EXPECT_EQ(out()[first - 1], "");
    EXPECT_EQ(out()[first - 2], "");
    // leaving series mode empties the output, the next program replaces it
    page.RadioGroup_s_.setItemIndex(0);
    EXPECT_TRUE(out().empty());
}

TEST_F(CutCircle, ClearButtonEmptiesTheOutput) {
    ASSERT_TRUE(press());
    page.Button2.click();
    EXPECT_TRUE(out().empty());
}

TEST_F(CutCircle, ASecondSingleRunReplacesTheFirst) {
    ASSERT_TRUE(press());
    auto n = out().size();
    ASSERT_TRUE(press());
    EXPECT_EQ(out().size(), n);
}

}  // namespace
}  // namespace qorix
