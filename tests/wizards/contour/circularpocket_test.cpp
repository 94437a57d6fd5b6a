// The circular pocket page through its numbered controls: defaults and states, the step-width
// labels, the checks and their boxes in order, the ring counts and the refusals.
#include "wizards/contour/circularpocket.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/pagetest.h"
#include "ui/event.h"
#include "wizards/common/messages.h"

namespace qorix {
namespace {

using ui::Message;

using CircularPocket = test::PageTest<CircularPocketPage>;

TEST_F(CircularPocket, StartsWithTheDefaultsAndTheirStates) {
    EXPECT_EQ(page.Title.caption(), "Körzseb (circular pocket)");
    EXPECT_EQ(page.Edit1.caption(), "X tengely kezdőpontja:");
    EXPECT_EQ(page.Edit1.text(), "0,0000");
    EXPECT_EQ(page.Edit11.text(), "0,0000");
    EXPECT_EQ(page.Edit12.text(), "5");
    EXPECT_EQ(page.Edit7.text(), "-2,0000");
    EXPECT_EQ(page.Edit4.caption(), "Körzseb átmérője:");
    EXPECT_EQ(page.Edit4.text(), "20");
    EXPECT_EQ(page.Edit3.text(), "5");
    EXPECT_EQ(page.ScrollBar1.caption(), "Fogás szélessége a szerszám szélességének arányában: ");
    EXPECT_EQ(page.ScrollBar1.min(), 0);
    EXPECT_EQ(page.ScrollBar1.max(), 100);
    EXPECT_EQ(page.ScrollBar1.position(), 50);
    EXPECT_EQ(page.Label4.caption(), "%");
    EXPECT_EQ(page.Label5.caption(), "mm");
    EXPECT_EQ(page.Edit9.text(), "0,6");
    EXPECT_FALSE(page.Edit9.enabled());
    EXPECT_TRUE(page.CheckBox2.checked());
    EXPECT_FALSE(page.CheckBox1.checked());
    EXPECT_EQ(page.RadioGroup3.caption(), " Spirál forgásiránya óramutató járásával ");
    EXPECT_EQ(page.RadioGroup5.items()[1], "Ferdén X és Z tengelyeken");
    EXPECT_EQ(page.RadioGroup5.itemIndex(), 1);
    EXPECT_EQ(page.RadioGroup6.items()[0], "Csak egy körzseb");
    EXPECT_EQ(page.RadioGroup6.itemIndex(), 0);
    EXPECT_EQ(page.Edit5.caption(), "G1 feed:");
    EXPECT_EQ(page.Edit6.caption(), "G2, G3 feed:");
    EXPECT_TRUE(page.CheckBox5.checked());
    EXPECT_EQ(page.Image1.picture(), "circularpocket.jpg");
    EXPECT_TRUE(dialogs.messages().empty());
    // start-up worked out the rings of the defaults
    EXPECT_EQ(page.ringCount, 3);
    EXPECT_EQ(page.ringStep, 2.5L);
    EXPECT_EQ(page.remainder, 0.0L);
}

TEST_F(CircularPocket, NumberedCheckBoxesSwitchTheirFields) {
    page.CheckBox2.setChecked(false);
    EXPECT_TRUE(page.Edit9.enabled());
    page.CheckBox1.setChecked(true);
    EXPECT_FALSE(page.Edit13.enabled());
    EXPECT_FALSE(page.Edit14.enabled());
    page.CheckBox1.setChecked(false);
    EXPECT_TRUE(page.Edit13.enabled());
    EXPECT_TRUE(page.Edit14.enabled());
    page.CheckBox2.setChecked(true);
    EXPECT_FALSE(page.Edit9.enabled());
}

TEST_F(CircularPocket, StepWidthLabelsShowPercentAndMillimetres) {
    page.ScrollBar1Change();
    EXPECT_EQ(page.Label4.caption(), "50 %");
    EXPECT_EQ(page.Label5.caption(), "2,5000 mm");
    page.ScrollBar1.setPosition(33);  // moving the bar refreshes them
    EXPECT_EQ(page.Label4.caption(), "33 %");
    EXPECT_EQ(page.Label5.caption(), "1,6500 mm");
    // a new tool diameter shows only at the next refresh
    page.Edit3.setText("8");
    EXPECT_EQ(page.Label5.caption(), "1,6500 mm");
    page.ScrollBar1Change();
    EXPECT_EQ(page.Label5.caption(), "2,6400 mm");
}

TEST_F(CircularPocket, ALabelRefreshWithAToolThatIsNoNumberKeepsBothLabels) {
    page.ScrollBar1Change();
    page.Edit3.setText("x");
    EXPECT_FALSE(ui::runEvent(dialogs, [&] { page.ScrollBar1.setPosition(70); }));
    EXPECT_EQ(page.Label4.caption(), "50 %");
    EXPECT_EQ(page.Label5.caption(), "2,5000 mm");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, ui::kFailureCaption);
    // the bar went back to the step the labels show, and the program cuts with it
    EXPECT_EQ(page.ScrollBar1.position(), 50);
    page.Edit3.setText("5");
    ASSERT_TRUE(press());
    EXPECT_TRUE(has("(oldalirányú fogás 50%)"));
}

TEST_F(CircularPocket, FailingChecksShowTheirBoxesInOrderAndWriteNothing) {
    page.Edit1.setText("");
    page.Edit7.setText("0");
    page.Edit4.setText("4");
    page.CheckBox2.setChecked(false);
    page.Edit9.setText("");
    page.Edit13.setText("0");
    page.Edit14.setText("");
    page.Edit5.setText("");
    page.Edit6.setText("");
    EXPECT_FALSE(press());
    const std::vector<Message> expected = {
        error(msg::kDepthZero),     error("A körzseb átmérője kisebb mint a szerszám átmérője."),
        error(msg::kStepLimitZero), error(msg::kToolNumberZero),
        error(msg::kSpindleZero),   error(msg::kG1Empty),
        error(msg::kG23Empty),
    };
    EXPECT_EQ(dialogs.messages(), expected);
    EXPECT_EQ(page.Edit1.text(), "0");  // an empty start field is filled in
    EXPECT_TRUE(out().empty());
}

TEST_F(CircularPocket, AnEmptyPocketDiameterHasItsOwnMessage) {
    page.Edit4.setText("");
    EXPECT_FALSE(press());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              error("A körzseb átmérője \"0\", vagy nem adtál meg értéket."));
}

TEST_F(CircularPocket, APositiveDepthWarnsAndStillWritesUpwards) {
    page.Edit7.setText("2");
    ASSERT_TRUE(press());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], (Message{msg::kWarningCaption, msg::kDepthPositive}));
    EXPECT_TRUE(has("G1 X0,0000 Z2,0000"));
}

TEST_F(CircularPocket, AStepLimitAtLeastTheDepthIsOnePassWithoutStepLines) {
    page.CheckBox2.setChecked(false);
    page.Edit9.setText("-2,5");
    ASSERT_TRUE(press());
    EXPECT_EQ(page.rec.passes, 1);
    EXPECT_EQ(count("(mélységi"), 0);
    EXPECT_EQ(count("(ciklusonkénti"), 0);
    EXPECT_EQ(count("(1. mélységi ciklus)"), 0);
}

TEST_F(CircularPocket, ZeroPercentIsRefusedWithAMessageNamingTheScrollBar) {
    page.ScrollBar1.setPosition(0);
    EXPECT_FALSE(press());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, msg::kErrorCaption);
    EXPECT_NE(dialogs.messages()[0].text.find("0 %"), std::string::npos);
    EXPECT_NE(dialogs.messages()[0].text.find("Fogás szélessége a szerszám szélességének"),
              std::string::npos);
    EXPECT_TRUE(out().empty());
}

TEST_F(CircularPocket, AStepTooSmallForAHundredRingsIsRefused) {
    // 1 % of 5 mm: a hundred double steps of 0,05 cover 10 mm of the 95 mm to clear
    page.Edit4.setText("100");
    page.ScrollBar1.setPosition(1);
    EXPECT_FALSE(press());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].text.find("100 oldalirányú fogás"), std::string::npos);
    // 20 % (1 mm) reaches: 47 rings and a remainder of half a millimetre
    page.ScrollBar1.setPosition(20);
    ASSERT_TRUE(press());
    EXPECT_EQ(page.ringCount, 47);
    EXPECT_EQ(page.remainder, 0.5L);
    EXPECT_EQ(count("G2 Y"), 2 * 47 + 2 + 1);
}

TEST_F(CircularPocket, AFailedCheckIsNotFollowedByAStepWidthRefusal) {
    page.Edit4.setText("0");
    page.ScrollBar1.setPosition(0);
    EXPECT_FALSE(press());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              error("A körzseb átmérője \"0\", vagy nem adtál meg értéket."));
}

TEST_F(CircularPocket, TwoPassesRampFromTheWallOverClearedGround) {
    page.CheckBox2.setChecked(false);
    page.Edit9.setText("1,5");
    page.Edit4.setText("21");
    ASSERT_TRUE(press());
    // level 2 starts where level 1 ended: on the wall, at the depth of level 1
    auto at = std::find(out().begin(), out().end(), "(2. mélységi ciklus)");
    ASSERT_NE(at, out().end());
    EXPECT_EQ(*(at - 1), "G2 Y0,0000 X8,0000 R8,0000 F300");
    EXPECT_EQ(*(at + 1), "G1 Z-1,0000 F150");
    EXPECT_EQ(*(at + 2), "G1 X8,0000");
    EXPECT_EQ(*(at + 3), "G1 X0,0000 Z-2,0000");
}

TEST_F(CircularPocket, SeriesModeAppendsAndAFailedPressKeepsTheEarlierPockets) {
    page.RadioGroup6.setItemIndex(1);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], (Message{msg::kWarningCaption, msg::kSeriesWarning}));
    ASSERT_TRUE(press());
    const auto first = out();
    EXPECT_EQ(count("G21 G90"), 0);
    EXPECT_EQ(count("M30"), 0);
    EXPECT_EQ(first.back(), "");
    page.Edit1.setText("30");
    ASSERT_TRUE(press());
    EXPECT_EQ(out().size(), 2 * first.size());
    EXPECT_EQ(count("(Körzseb - circular pocket)"), 2);
    page.Edit7.setText("");
    EXPECT_FALSE(press());
    EXPECT_EQ(out().size(), 2 * first.size());
    // back to a single pocket empties the output without a box
    dialogs.clearMessages();
    page.RadioGroup6.setItemIndex(0);
    EXPECT_TRUE(out().empty());
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(CircularPocket, ClearButtonEmptiesTheOutput) {
    ASSERT_TRUE(press());
    ASSERT_FALSE(out().empty());
    page.Button2.click();
    EXPECT_TRUE(out().empty());
}

TEST_F(CircularPocket, ASingleRunReplacesTheOutput) {
    ASSERT_TRUE(press());
    const auto n = out().size();
    ASSERT_TRUE(press());
    EXPECT_EQ(out().size(), n);
}

}  // namespace
}  // namespace qorix
