// The hole selector: its boxes on the 200-pixel circle, their captions and widths by the
// number of holes, rebuilding, and the drill flags that "Adat rendben" writes.
#include <algorithm>

#include "wizards/drilling/drillingfixture.h"

namespace qorix::test {
namespace {

class HoleSelectorTest : public DrillingTest {
protected:
    void choose(const char* holes, const char* rotation = "0") {
        page.Edit_drc_.setText(holes);
        page.Edit_ane_.setText(rotation);
        page.RadioGroup1.setItemIndex(page.RadioGroup1.itemEnabled(1) ? 1 : 2);
        ASSERT_TRUE(dialogs.messages().empty());
    }
    ui::Bounds at(int hole) const { return *selector.holeBox(hole)->bounds(); }
};

TEST_F(HoleSelectorTest, WindowAndButtons) {
    EXPECT_EQ(selector.caption(), "Furat kiválasztó");
    EXPECT_EQ(HoleSelectorDialog::kClientWidth, 584);
    EXPECT_EQ(HoleSelectorDialog::kClientHeight, 561);
    EXPECT_EQ(selector.Button1.caption(), "Újra olvas");
    EXPECT_EQ(selector.Button2.caption(), "Adat rendben");
    EXPECT_EQ(*selector.Button1.bounds(), (ui::Bounds{432, 8, 144, 25}));
    EXPECT_EQ(*selector.Button2.bounds(), (ui::Bounds{432, 39, 144, 25}));
    EXPECT_EQ(selector.holeBoxCount(), 0);
}

TEST_F(HoleSelectorTest, FiveHolesShowTheirOffsetsOnWideBoxes) {
    choose("5");
    ASSERT_EQ(selector.holeBoxCount(), 5);
    EXPECT_EQ(selector.holeBox(1)->caption(), "X3,0902 Y9,5106");
    EXPECT_EQ(selector.holeBox(5)->caption(), "X10,0000 Y0,0000");
    // 200 x cos 72° = 61.8 and 200 x sin 72° = 190.2
    EXPECT_EQ(at(1), (ui::Bounds{342, 90, 120, 17}));
    EXPECT_EQ(at(2), (ui::Bounds{118, 162, 120, 17}));
    EXPECT_EQ(at(3), (ui::Bounds{118, 398, 120, 17}));
    EXPECT_EQ(at(4), (ui::Bounds{342, 470, 120, 17}));
    EXPECT_EQ(at(5), (ui::Bounds{480, 280, 120, 17}));
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(selector.holeBox(i)->checked()) << i;
}

TEST_F(HoleSelectorTest, CaptionsAreOffsetsFromTheCentreWhateverTheDiameter) {
    page.Edit_x_.setText("100");
    page.Edit_r_.setText("50");
    choose("4");
    EXPECT_EQ(selector.holeBox(1)->caption(), "X0,0000 Y25,0000");
    EXPECT_EQ(at(1).left, 280);
    EXPECT_EQ(at(1).top, 80);
    EXPECT_EQ(at(2), (ui::Bounds{80, 280, 120, 17}));
}

TEST_F(HoleSelectorTest, ThirteenHolesAreNumbered) {
    choose("13");
    ASSERT_EQ(selector.holeBoxCount(), 13);
    EXPECT_EQ(selector.holeBox(1)->caption(), "1.");
    EXPECT_EQ(selector.holeBox(13)->caption(), "13.");
    EXPECT_EQ(at(13), (ui::Bounds{480, 280, 30, 17}));
    // 360/13 = 27.69°: 200 cos = 177.09, 200 sin = 92.94
    EXPECT_EQ(at(1), (ui::Bounds{457, 187, 30, 17}));
}

TEST_F(HoleSelectorTest, FortyHolesAreStillNumberedFortyOneAreBare) {
    choose("40");
    EXPECT_EQ(selector.holeBox(40)->caption(), "40.");
    EXPECT_EQ(at(40).width, 30);
    choose("41");
    ASSERT_EQ(selector.holeBoxCount(), 41);
    for (int i = 1; i <= 41; ++i) {
        EXPECT_EQ(selector.holeBox(i)->caption(), "") << i;
        EXPECT_EQ(at(i).width, 10) << i;
    }
    // 360/41 = 8.78°: 200 cos = 197.66, 200 sin = 30.53
    EXPECT_EQ(at(1).left, 478);
    EXPECT_EQ(at(1).top, 249);
}

TEST_F(HoleSelectorTest, TwelveHolesKeepTheOffsets) {
    choose("12");
    EXPECT_EQ(selector.holeBox(3)->caption(), "X0,0000 Y10,0000");
    EXPECT_EQ(at(3).width, 120);
}

TEST_F(HoleSelectorTest, ARotationOfNinetyPutsTheLastHoleAtTheTop) {
    choose("5", "90");
    EXPECT_EQ(at(5), (ui::Bounds{280, 80, 120, 17}));
    EXPECT_EQ(selector.holeBox(5)->caption(), "X0,0000 Y10,0000");
}

TEST_F(HoleSelectorTest, EightHolesStandOnTheDiagonals) {
    // 200 x cos 45° = 141.42: the product is rounded before it is added or subtracted
    choose("8");
    EXPECT_EQ(at(1), (ui::Bounds{421, 139, 120, 17}));
    EXPECT_EQ(at(3), (ui::Bounds{139, 139, 120, 17}));
    EXPECT_EQ(at(6), (ui::Bounds{280, 480, 120, 17}));
}

TEST_F(HoleSelectorTest, AdatRendbenWritesTheFlagsAndHides) {
    choose("5");
    selector.holeBox(1)->setChecked(false);
    selector.holeBox(4)->setChecked(false);
    EXPECT_EQ(values.drillFlags[1], 1);  // nothing changes before the confirmation
    selector.Button2.click();
    EXPECT_FALSE(selector.visible());
    EXPECT_EQ(values.drillFlags[1], 0);
    EXPECT_EQ(values.drillFlags[2], 1);
    EXPECT_EQ(values.drillFlags[4], 0);
    EXPECT_EQ(values.drillFlags[5], 1);
    ASSERT_TRUE(create());
    EXPECT_EQ(cycleAndHoleLines(),
              (std::vector<std::string>{"G83 X-8,0902 Y5,8779 Z-10,0000 Q2 R1 F100",
                                        "X-8,0902 Y-5,8779", "X10,0000 Y0,0000"}));
}

TEST_F(HoleSelectorTest, OnlyUjraOlvasOrANewTableTicksEveryBoxAgain) {
    choose("5");
    selector.holeBox(3)->setChecked(false);
    selector.Button1.click();  // "Újra olvas"
    EXPECT_TRUE(selector.holeBox(3)->checked());
    // the user looks at another window and comes back: the cleared box stays cleared
    selector.holeBox(3)->setChecked(false);
    ui::CheckBox* before = selector.holeBox(1);
    ASSERT_TRUE(selector.onActivate);
    selector.onActivate();
    EXPECT_EQ(selector.holeBox(1), before);
    EXPECT_FALSE(selector.holeBox(3)->checked());
    selector.Button2.click();
    EXPECT_EQ(values.drillFlags[3], 0);
    EXPECT_EQ(values.drillFlags[2], 1);
    // choosing again builds new boxes, all ticked
    choose("6");
    EXPECT_EQ(selector.holeBoxCount(), 6);
    EXPECT_TRUE(selector.holeBox(3)->checked());
    // a table that changed behind the dialog ("Minden furat" chosen) is shown anew on the
    // next activation
    selector.holeBox(2)->setChecked(false);
    page.RadioGroup1.setItemIndex(0);
    selector.onActivate();
    EXPECT_EQ(selector.holeBoxCount(), 0);
}

TEST_F(HoleSelectorTest, AfterAProgramOfAllHolesARebuildShowsNoBoxes) {
    choose("5");
    page.RadioGroup1.setItemIndex(0);
    ASSERT_TRUE(create());
    selector.Button1.click();
    EXPECT_EQ(selector.holeBoxCount(), 0);
    values.drillFlags[2] = 1;
    selector.Button2.click();
    EXPECT_EQ(values.drillFlags[2], 1);
}

TEST_F(HoleSelectorTest, TheFormListsExactlyTheCurrentBoxes) {
    int announced = 0;
    selector.addControlsListener([&] { ++announced; });
    choose("13");
    EXPECT_EQ(selector.controls().size(), 17u);  // the four buttons and the boxes
    choose("5");
    ASSERT_EQ(selector.controls().size(), 9u);
    EXPECT_EQ(selector.controls()[0], &selector.Button1);
    EXPECT_EQ(selector.find("CheckBox5"), selector.holeBox(5));
    EXPECT_EQ(selector.find("CheckBox6"), nullptr);
    EXPECT_EQ(announced, 2);
}

}  // namespace
}  // namespace qorix::test
