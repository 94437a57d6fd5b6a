// The cut rectangle page: its own captions and texts, the tool-diameter reset, the passes
// worked out only after a clean reading, and the turns round the outline.
#include "wizards/contour/cutrectangle.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/pagetest.h"
#include "ui/event.h"
#include "wizards/common/messages.h"

namespace qorix {
namespace {

using ui::Message;

using CutRectangle = test::PageTest<CutRectanglePage>;

TEST_F(CutRectangle, StartsWithItsOwnCaptionsAndNoScrollBar) {
    EXPECT_EQ(page.Title.caption(), "Téglalap kivágás (cut rectangle)");
    EXPECT_EQ(page.Edit_g1_.caption(), "G1 Z telibe marásnál:");
    EXPECT_EQ(page.Edit_g23_.caption(), "G1 Z %-os marás :");
    EXPECT_EQ(page.RadioGroup_s_.items()[0], "Csak egy téglalap");
    EXPECT_EQ(page.RadioGroup_zi_.items()[1], "Ferdén X és Z tengelyeken");
    EXPECT_EQ(page.Edit_rc_.text(), "2,5");
    EXPECT_FALSE(page.Edit_rc_.enabled());
    EXPECT_FALSE(page.Button3.enabled());
    EXPECT_EQ(page.find("ScrollBar1"), nullptr);
    EXPECT_EQ(page.Image1.picture(), "cutrectangle.jpg");
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(CutRectangle, AnEmptyToolIsSetToZeroAndTheCornerRadiusReportsItToo) {
    page.Edit_sz_.setText("");
    EXPECT_FALSE(press());
    const std::vector<Message> expected = {
        error(msg::kToolDiameterZero),
        error("A sarokrádiusz \"0\", vagy nem adtál meg értéket. Értéke minimum a "
              "szerszámátmérő fele."),
    };
    EXPECT_EQ(dialogs.messages(), expected);
    EXPECT_EQ(page.Edit_sz_.text(), "0");
    EXPECT_EQ(page.Edit_rc_.text(), "0");
    EXPECT_EQ(page.rec.toolDiameter, 0.0L);
    EXPECT_TRUE(out().empty());
    // a good tool again writes the program
    page.Edit_sz_.setText("5");
    EXPECT_TRUE(press());
    EXPECT_EQ(page.Edit_rc_.text(), "2,5");
}

TEST_F(CutRectangle, SizeMessagesSpeakOfTheSquarePocket) {
    page.Edit_xd_.setText("0");
    page.Edit_yd_.setText("3");
    EXPECT_FALSE(press());
    const std::vector<Message> expected = {
        error("A négyzetzseb X átmérője \"0\", vagy nem adtál meg értéket."),
        error("A négyzetzseb Y átmérője kisebb mint a szerszám átmérője."),
    };
    EXPECT_EQ(dialogs.messages(), expected);
}

TEST_F(CutRectangle, PassesAreWorkedOutOnlyAfterACleanReading) {
    page.CheckBox_szc_.setChecked(false);
    ASSERT_TRUE(press());
    EXPECT_EQ(page.rec.passes, 4);
    // the step limit is read, but the failed depth check stops the run before the passes
    page.Edit_szc_.setText("0,5");
    page.Edit_m_.setText("0");
    EXPECT_FALSE(press());
    EXPECT_EQ(page.rec.passes, 4);
    EXPECT_EQ(dialogs.messages(), std::vector<Message>{error(msg::kDepthZero)});
    page.Edit_m_.setText("-2");
    ASSERT_TRUE(press());
    EXPECT_EQ(page.rec.passes, 5);
}

TEST_F(CutRectangle, AStepLimitTooSmallForAHundredPassesIsRefused) {
    page.CheckBox_szc_.setChecked(false);
    page.Edit_szc_.setText("0,015");
    EXPECT_FALSE(press());
    EXPECT_EQ(dialogs.messages(), std::vector<Message>{error(msg::kStepLimitTooSmall)});
    EXPECT_TRUE(out().empty());
}

TEST_F(CutRectangle, SpiralTurnsDescendAQuarterPassPerSideThenOneFlatTurn) {
    page.CheckBox_szc_.setChecked(false);
    page.Edit_szc_.setText("1");
    page.Edit_m_.setText("-3");
    ASSERT_TRUE(press());
    EXPECT_EQ(page.rec.passes, 4);  // an exact multiple takes one pass more
    EXPECT_EQ(count("G1 X0,0000 Y30,0000 Z-0,1875 F300"), 1);
    EXPECT_EQ(count("G1 X0,0000 Y0,0000 Z-3,0000"), 2);  // end of the helix and of the flat turn
    EXPECT_EQ(count("G1 X0,0000 Y30,0000 Z-3,0000 F300"), 1);
    EXPECT_EQ(count("G1 X"), 1 + 4 * 4 + 4);
}

TEST_F(CutRectangle, StraightEntryPlungesAtTheCornerEachLevelWithoutAFlatTurn) {
    page.RadioGroup_zi_.setItemIndex(0);
    page.CheckBox_szc_.setChecked(false);
    ASSERT_TRUE(press());
    EXPECT_EQ(count("G1 Z-0,5000 F150"), 1);
    EXPECT_EQ(count("G1 Z-2,0000 F150"), 1);
    EXPECT_EQ(count("G1 X0,0000 Y30,0000 F300"), 4);
    EXPECT_EQ(count("G1 X"), 1 + 4 * 4);
    EXPECT_EQ(count("(Z tengely egyenesen le mozog)"), 1);
}

TEST_F(CutRectangle, ADiameterWithManyDigitsIsItsOwnRadiusTwice) {
    page.Edit_sz_.setText("4,123456789012345");
    EXPECT_TRUE(press());
    EXPECT_TRUE(dialogs.messages().empty());
}

}  // namespace
}  // namespace qorix
