// The rectangle pocket page: its own captions, the corner radius display and its boxes, the
// step-width labels, the centre line and loop counts, and the refusals.
#include "wizards/contour/rectanglepocket.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/pagetest.h"
#include "ui/event.h"
#include "wizards/common/messages.h"

namespace qorix {
namespace {

using ui::Message;

constexpr const char* kRadiusLarger =
    "A sarokrádiusz nagyobb mint a szerszám átmérő fele. Ez nem hiba, ha szándékosan adtad meg. "
    "A program ezzel az értékkel tovább megy.";

using RectanglePocket = test::PageTest<RectanglePocketPage>;

TEST_F(RectanglePocket, StartsWithItsOwnCaptionsDefaultsAndStates) {
    EXPECT_EQ(page.Title.caption(), "Téglalapzseb (rectangle pocket)");
    EXPECT_EQ(page.Edit_xd_.caption(), "Átmérő:");
    EXPECT_EQ(page.Edit_xd_.text(), "20");
    EXPECT_EQ(page.Edit_yd_.text(), "30");
    EXPECT_EQ(page.Edit_rc_.caption(), "Sarokrádiusz:");
    EXPECT_EQ(page.Edit_rc_.text(), "2,5");
    EXPECT_FALSE(page.Edit_rc_.enabled());
    EXPECT_EQ(page.ScrollBar1.position(), 50);
    EXPECT_EQ(page.Edit_g1_.caption(), "G1 telibe marásnál:");
    EXPECT_EQ(page.Edit_g23_.caption(), "G1 %-os marás , G2, G3 %-os:");
    EXPECT_EQ(page.RadioGroup_zi_.items()[1], "Ferdén X és Z tengelyeken");
    EXPECT_EQ(page.RadioGroup_zi_.itemIndex(), 1);
    EXPECT_EQ(page.RadioGroup_s_.items()[0], "Csak egy körzseb");
    EXPECT_EQ(page.RadioGroup_cw_.caption(), " Marás forgásiránya óramutató járásával ");
    EXPECT_EQ(page.Button3.caption(), "Elforgatás");
    EXPECT_FALSE(page.Button3.enabled());
    EXPECT_FALSE(page.Button3.click());
    EXPECT_EQ(page.Image1.picture(), "rectanglepocket.jpg");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(page.loopCount, 3);
    EXPECT_EQ(page.lineX, 10.0L);
    EXPECT_EQ(page.lengthY, 10.0L);
}

TEST_F(RectanglePocket, StepWidthLabelsSetThePercentBeforeReadingTheTool) {
    page.ScrollBar1Change();
    EXPECT_EQ(page.Label4.caption(), "50 %");
    EXPECT_EQ(page.Label5.caption(), "2,5000 mm");
    page.Edit_sz_.setText("?");
    EXPECT_FALSE(ui::runEvent(dialogs, [&] { page.ScrollBar1.setPosition(80); }));
    EXPECT_EQ(page.Label4.caption(), "80 %");
    EXPECT_EQ(page.Label5.caption(), "2,5000 mm");
    page.Edit_sz_.setText("6");
    page.ScrollBar1.setPosition(75);
    EXPECT_EQ(page.Label5.caption(), "4,5000 mm");
}

TEST_F(RectanglePocket, TheCornerRadiusFollowsTheToolDiameter) {
    page.Edit_sz_.setText("6");
    ASSERT_TRUE(press());
    EXPECT_EQ(page.Edit_rc_.text(), "3");
    EXPECT_TRUE(dialogs.messages().empty());
    page.Edit_sz_.setText("3,3");
    ASSERT_TRUE(press());
    EXPECT_EQ(page.Edit_rc_.text(), "1,65");
}

// The display keeps 15 digits; a diameter typed with more must still match its own half.
TEST_F(RectanglePocket, ADiameterWithManyDigitsIsItsOwnRadiusTwice) {
    for (const char* tool :
         {"4,123456789012345", "5,0000000000000001", "3,14159265358979", "6,000000000000001"}) {
        page.Edit_sz_.setText(tool);
        EXPECT_TRUE(press()) << tool;
        EXPECT_TRUE(dialogs.messages().empty()) << tool;
    }
    EXPECT_EQ(page.Edit_rc_.text(), "3");
}

TEST_F(RectanglePocket, AZeroToolShowsItsErrorThenTheRadiusWarningOfTheOlderTool) {
    page.Edit_sz_.setText("0");
    EXPECT_FALSE(press());
    const std::vector<Message> expected = {error(msg::kToolDiameterZero),
                                           {msg::kWarningCaption, kRadiusLarger}};
    EXPECT_EQ(dialogs.messages(), expected);
    EXPECT_EQ(page.Edit_sz_.text(), "0");  // this page leaves the field alone
    EXPECT_EQ(page.Edit_rc_.text(), "2,5");
    EXPECT_TRUE(out().empty());
}

TEST_F(RectanglePocket, AnEmptyToolEndsWithTheConversionFailure) {
    page.Edit_sz_.setText("");
    EXPECT_FALSE(press());
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[0], error(msg::kToolDiameterZero));
    EXPECT_EQ(dialogs.messages()[1].caption, ui::kFailureCaption);
    EXPECT_EQ(page.Edit_sz_.text(), "");
    EXPECT_TRUE(out().empty());
}

TEST_F(RectanglePocket, ASizeThatIsNoNumberIsNamedWithItsAxis) {
    page.Edit_yd_.setText("abc");
    EXPECT_FALSE(press());
    EXPECT_EQ(
        dialogs.messages(),
        (std::vector<Message>{{ui::kFailureCaption, "„abc” nem érvényes szám. (mező: Y átmérő)"}}));
}

TEST_F(RectanglePocket, SizeChecksNameThePocketAndTheAxis) {
    page.Edit_xd_.setText("");
    page.Edit_yd_.setText("4");
    EXPECT_FALSE(press());
    const std::vector<Message> expected = {
        error("A téglalapzseb X átmérője \"0\", vagy nem adtál meg értéket."),
        error("A téglalapzseb Y átmérője kisebb mint a szerszám átmérője."),
    };
    EXPECT_EQ(dialogs.messages(), expected);
    page.Edit_xd_.setText("4");
    page.Edit_yd_.setText("0");
    EXPECT_FALSE(press());
    const std::vector<Message> swapped = {
        error("A téglalapzseb X átmérője kisebb mint a szerszám átmérője."),
        error("A téglalapzseb Y átmérője \"0\", vagy nem adtál meg értéket."),
    };
    EXPECT_EQ(dialogs.messages(), swapped);
}

TEST_F(RectanglePocket, ASquarePocketHasAPointForCentreLineAndSquareLoops) {
    page.Edit_xd_.setText("25");
    page.Edit_yd_.setText("25");
    ASSERT_TRUE(press());
    EXPECT_EQ(page.lengthX, 0.0L);
    EXPECT_EQ(page.lengthY, 0.0L);
    EXPECT_EQ(page.loopCount, 4);
    EXPECT_EQ(page.remainder, 0.0L);
    // the ramp is a vertical move on the point
    EXPECT_EQ(count("G1 X12,5000 Y12,5000 Z-2,0000"), 1);
    // the fourth loop's tool edge runs on the walls
    EXPECT_EQ(count("G1 X2,5000 Y22,5000 F300"), 1);
    EXPECT_EQ(count("G1 X22,5000 Y22,5000"), 1);
}

TEST_F(RectanglePocket, ZeroPercentIsRefusedWithAMessageNamingTheScrollBar) {
    page.ScrollBar1.setPosition(0);
    EXPECT_FALSE(press());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, msg::kErrorCaption);
    EXPECT_NE(dialogs.messages()[0].text.find("\"Fogás szélessége a szerszám szélességének"),
              std::string::npos);
    EXPECT_TRUE(out().empty());
    page.ScrollBar1.setPosition(100);
    ASSERT_TRUE(press());
    EXPECT_EQ(page.loopCount, 1);
    EXPECT_EQ(page.remainder, 2.5L);  // (15 - 10) / 2
}

TEST_F(RectanglePocket, AStepTooSmallForAHundredLoopsIsRefused) {
    page.Edit_xd_.setText("200");
    page.Edit_yd_.setText("300");
    page.ScrollBar1.setPosition(2);  // 0,1 mm: a hundred double steps cover 20 of 195 mm
    EXPECT_FALSE(press());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].text.find("100 oldalirányú fogás"), std::string::npos);
}

TEST_F(RectanglePocket, SeriesModeRepeatsToolAndCoolantButNoProgramFrame) {
    page.RadioGroup_h_.setItemIndex(2);
    page.RadioGroup_s_.setItemIndex(1);
    ASSERT_TRUE(press());
    page.Edit_x_.setText("40");
    ASSERT_TRUE(press());
    EXPECT_EQ(count("(sorozat téglalapzsebek készülnek)"), 2);
    EXPECT_EQ(count("T1 M6"), 2);
    EXPECT_EQ(count("M8"), 2);
    EXPECT_EQ(count("G21 G90"), 0);
    EXPECT_EQ(count("M9"), 0);
    EXPECT_EQ(count("M5"), 0);
    EXPECT_EQ(count("M30"), 0);
    EXPECT_EQ(count("G0 X40,0000 Y0,0000"), 2);  // the second pocket's start and end
}

}  // namespace
}  // namespace qorix
