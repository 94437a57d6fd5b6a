// The drilling page through its controls: checks and their boxes, the hole table in the
// store, the selection group, and the programs written from a prepared table.
#include <cmath>
#include <numbers>

#include "support/golden.h"
#include "wizards/drilling/drillingfixture.h"

namespace qorix::test {
namespace {

using ui::Message;

const std::vector<std::string> kAllFive = {"G83 X3,0902 Y9,5106 Z-10,0000 Q2 R1 F100",
                                           "X-8,0902 Y5,8779", "X-8,0902 Y-5,8779",
                                           "X3,0902 Y-9,5106", "X10,0000 Y0,0000"};

TEST_F(DrillingTest, WorkedExampleEqualsGoldenProgram) {
    ASSERT_TRUE(create());
    EXPECT_TRUE(sameLines(lines(), readTextLines(goldenDir() / "bolt-circle/worked-example.tap")));
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(DrillingTest, ControlsStartWithTheirDefaults) {
    EXPECT_EQ(page.Title.caption(), "Fúrás kör mentén (drill circular bolt pattern)");
    EXPECT_EQ(page.Edit_m_.caption(), "Fúrás mélysége:");
    EXPECT_EQ(page.Edit_db_.caption(), "Gyors vissza (Z pozíció):");
    EXPECT_EQ(page.Edit_ane_.suffix(), "°");
    EXPECT_EQ(page.Edit_g1_.caption(), "G1  feed:");
    EXPECT_EQ(page.Edit_x_.text(), "0,0000");
    EXPECT_TRUE(page.Edit_szc_.enabled());
    EXPECT_FALSE(page.CheckBox_szc_.checked());
    EXPECT_EQ(page.RadioGroup_g783_.itemIndex(), 1);
    EXPECT_EQ(page.RadioGroup_s_.items()[0], "Csak egy kör ");
    EXPECT_EQ(page.RadioGroup1.itemIndex(), 0);
    EXPECT_TRUE(page.RadioGroup1.itemEnabled(1));
    EXPECT_FALSE(page.RadioGroup1.itemEnabled(2));
    EXPECT_FALSE(selector.visible());
}

TEST_F(DrillingTest, StartUpReadsTheDefaultsButLeavesNoTablePrepared) {
    EXPECT_EQ(values.preparedCount, 0);
    EXPECT_EQ(values.circleDiameter, 20);
    EXPECT_EQ(values.radius, 10);
    EXPECT_EQ(values.safeZ, 5);
    EXPECT_EQ(values.peckDepth, 2);
    EXPECT_EQ(values.drillFlags[5], 1);
}

TEST_F(DrillingTest, TableHoldsAnglesOffsetsAndDirections) {
    page.Edit_x_.setText("7");
    page.Edit_y_.setText("-3");
    page.Edit_ane_.setText("30");
    page.Edit_drc_.setText("21");
    ASSERT_TRUE(create());
    EXPECT_EQ(values.writtenCount, 21);
    EXPECT_EQ(values.preparedCount, 0);
    EXPECT_EQ(values.table[0][0], 30);
    EXPECT_EQ(values.table[0][1], 7);
    EXPECT_EQ(values.table[0][2], -3);
    EXPECT_EQ(values.drillFlags[0], 0);
    // the last hole lies on the rotation angle itself, one full turn on
    EXPECT_NEAR(static_cast<double>(values.table[21][0]), 390.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(values.table[21][1]), 10 * std::cos(std::numbers::pi / 6),
                1e-12);
    EXPECT_NEAR(static_cast<double>(values.table[21][2]), 5.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(values.table[21][3]), std::cos(std::numbers::pi / 6), 1e-12);
    EXPECT_NEAR(static_cast<double>(values.table[21][4]), 0.5, 1e-12);
    // without the rotation the last hole lies a full turn on
    EXPECT_NEAR(static_cast<double>(values.table[21][0] - page.rotation), 360.0, 1e-12);
    for (int i = 1; i <= 21; ++i) EXPECT_EQ(values.drillFlags[i], 1) << i;
    EXPECT_EQ(values.drillFlags[22], 0);
    EXPECT_EQ(values.table[22][0], 0);
    EXPECT_EQ(cycleAndHoleLines().size(), 21u);
}

TEST_F(DrillingTest, AThousandHolesAreAllDrilled) {
    page.Edit_drc_.setText("1000");
    ASSERT_TRUE(create());
    EXPECT_EQ(values.writtenCount, 1000);
    EXPECT_EQ(values.drillFlags[1000], 1);
    EXPECT_EQ(cycleAndHoleLines().size(), 1000u);
    EXPECT_EQ(cycleAndHoleLines().back(), "X10,0000 Y0,0000");
}

TEST_F(DrillingTest, MoreThanAThousandHolesAreRefused) {
    page.Edit_drc_.setText("1001");
    EXPECT_FALSE(create());
    EXPECT_TRUE(lines().empty());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              (Message{kErr,
                       "Furatok száma legfeljebb 1000 lehet. Adj meg 1 és 1000 közötti "
                       "furatszámot."}));
}

TEST_F(DrillingTest, ANegativeHoleCountIsRefused) {
    page.Edit_drc_.setText("-5");
    EXPECT_FALSE(create());
    EXPECT_TRUE(lines().empty());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              (Message{kErr,
                       "Furatok száma nem lehet negatív. Adj meg 1 és 1000 közötti "
                       "furatszámot."}));
}

TEST_F(DrillingTest, EveryFailingCheckShowsItsBoxInOrder) {
    page.Edit_m_.setText("");
    page.Edit_sz_.setText("");
    page.Edit_r_.setText("0");
    page.Edit_szc_.setText("");
    page.Edit_drc_.setText("");
    page.Edit_szsz_.setText("0");
    page.Edit_ff_.setText("");
    page.Edit_g1_.setText("");
    page.Edit_db_.setText("");
    page.Edit_x_.setText("");
    EXPECT_FALSE(create());
    EXPECT_TRUE(lines().empty());
    EXPECT_EQ(page.Edit_x_.text(), "0");
    EXPECT_EQ(page.Edit_sz_.text(), "0");
    EXPECT_EQ(values.drillDiameter, 0);
    const std::vector<Message> expected = {
        {kErr, "Marás mélyége \"0\", vagy nem adtál meg értéket."},
        {kErr, "Szerszám átmérője \"0\", vagy nem adtál meg értéket."},
        {kErr, "A kör átmérője \"0\", vagy nem adtál meg értéket."},
        {kErr, "Lépésenkénti fogási mélység \"0\", vagy nem adtál meg értéket."},
        {kErr, "Furatok száma \"0\", vagy nem adtál meg értéket."},
        {kErr, "Szerszám száma \"0\", vagy nem adtál meg értéket."},
        {kErr, "Főorsó fordulat \"0\", vagy nem adtál meg értéket."},
        {kErr, "G1 előtolási értékét nem adtad meg."},
        {kErr, "Gyors vissza (Z pozíció) értékét nem adtad meg."},
    };
    EXPECT_EQ(dialogs.messages(), expected);
}

TEST_F(DrillingTest, ACircleSmallerThanTheDrillIsRefused) {
    page.Edit_r_.setText("4");
    EXPECT_FALSE(create());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              (Message{kErr, "A kör átmérője kisebb mint a szerszám átmérője."}));
    // the refused diameter is not taken
    EXPECT_EQ(values.circleDiameter, 20);
}

TEST_F(DrillingTest, APositiveDepthOnlyWarns) {
    page.Edit_m_.setText("3");
    page.Edit_db_.setText("5");  // above the bottom: an R below it a control refuses
    ASSERT_TRUE(create());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, "Figyelmeztetés");
    EXPECT_EQ(cycleAndHoleLines()[0], "G83 X3,0902 Y9,5106 Z3,0000 Q2 R5 F100");
}

// The R plane against the hole's bottom (a control stops below it, drills nothing at it) and
// against the start Z (below it the drill rapids into the part).
TEST_F(DrillingTest, TheRetractPlaneLiesAboveTheBottomAndIsWarnedUnderTheStart) {
    const std::string notAbove = "Gyors vissza (Z pozíció) a fúrás mélysége fölött kell legyen.";
    const std::string underStart =
        "Gyors vissza (Z pozíció) a Z tengely kezdőpontja alatt van: a fúró gyorsmenetben megy "
        "az anyagba, és úgy mozog a furatok között is. A program tovább megy.";
    struct Case {
        const char *start, *depth, *retract;
        bool written;
        std::vector<Message> boxes;
    } cases[] = {
        {"0", "-10", "1", true, {}},
        {"0", "-10", "-12", false, {{kErr, notAbove}}},
        {"0", "-10", "-10", false, {{kErr, notAbove}}},
        {"2", "-10", "1", true, {{"Figyelmeztetés", underStart}}},
        {"2", "-10", "2", true, {}},
        {"0", "", "-20", false, {{kErr, "Marás mélyége \"0\", vagy nem adtál meg értéket."}}},
    };
    for (const auto& c : cases) {
        dialogs.clearMessages();
        page.Edit_z_.setText(c.start);
        page.Edit_m_.setText(c.depth);
        page.Edit_db_.setText(c.retract);
        EXPECT_EQ(create(), c.written) << c.retract;
        EXPECT_EQ(dialogs.messages(), c.boxes) << c.retract;
    }
}

TEST_F(DrillingTest, AnEmptyRotationIsZeroAndNoToolLeavesOutTheToolLines) {
    page.Edit_ane_.setText("");
    page.CheckBox_szsz_.setChecked(true);
    EXPECT_FALSE(page.Edit_szsz_.enabled());
    EXPECT_FALSE(page.Edit_ff_.enabled());
    page.Edit_szsz_.setText("");  // not read while "nincs" is ticked
    ASSERT_TRUE(create());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(cycleAndHoleLines(), kAllFive);
    for (const auto& l : lines()) {
        EXPECT_NE(l.rfind("T", 0), 0u) << l;
        EXPECT_NE(l, "M5");
    }
    page.CheckBox_szsz_.setChecked(false);
    EXPECT_TRUE(page.Edit_szsz_.enabled());
}

TEST_F(DrillingTest, NoPeckDepthTakesTheDepthAndDisablesTheField) {
    page.CheckBox_szc_.setChecked(true);
    EXPECT_FALSE(page.Edit_szc_.enabled());
    ASSERT_TRUE(create());
    // the store keeps the depth itself; the Q word is its size
    EXPECT_EQ(values.peckDepth, -10);
    EXPECT_EQ(cycleAndHoleLines()[0], "G83 X3,0902 Y9,5106 Z-10,0000 Q10 R1 F100");
    for (const auto& l : lines()) EXPECT_EQ(l.find("lépésenkénti"), std::string::npos) << l;
}

TEST_F(DrillingTest, APeckAsDeepAsTheDepthIsOnePeck) {
    page.Edit_szc_.setText("-12");
    ASSERT_TRUE(create());
    EXPECT_EQ(values.peckDepth, -10);
    EXPECT_EQ(cycleAndHoleLines()[0], "G83 X3,0902 Y9,5106 Z-10,0000 Q10 R1 F100");
}

TEST_F(DrillingTest, ChoosingHolesPreparesTheTableAndOpensTheSelector) {
    page.Memo1.add("old");
    page.RadioGroup1.setItemIndex(1);
    EXPECT_EQ(values.preparedCount, 5);
    EXPECT_TRUE(lines().empty());
    EXPECT_FALSE(page.RadioGroup1.itemEnabled(1));
    EXPECT_TRUE(page.RadioGroup1.itemEnabled(2));
    EXPECT_TRUE(selector.visible());
    EXPECT_EQ(selector.holeBoxCount(), 5);

    page.RadioGroup1.setItemIndex(2);
    EXPECT_TRUE(page.RadioGroup1.itemEnabled(1));
    EXPECT_FALSE(page.RadioGroup1.itemEnabled(2));
    EXPECT_EQ(values.preparedCount, 5);

    page.RadioGroup1.setItemIndex(0);
    EXPECT_EQ(values.preparedCount, 0);
    EXPECT_TRUE(page.RadioGroup1.itemEnabled(1));
    EXPECT_FALSE(page.RadioGroup1.itemEnabled(2));
}

const std::vector<std::string> kWithout2And4 = {"G83 X3,0902 Y9,5106 Z-10,0000 Q2 R1 F100",
                                                "X-8,0902 Y-5,8779", "X10,0000 Y0,0000"};

// It used to hold for one press only: the next one drilled the holes left out for a clamp
// while the group still showed the selection.
TEST_F(DrillingTest, ASelectionHoldsForEveryPressOnTheSameCircle) {
    page.RadioGroup1.setItemIndex(1);
    selector.holeBox(2)->setChecked(false);
    selector.holeBox(4)->setChecked(false);
    selector.Button2.click();
    EXPECT_FALSE(selector.visible());
    ASSERT_TRUE(create());
    EXPECT_EQ(cycleAndHoleLines(), kWithout2And4);
    EXPECT_EQ(values.writtenCount, 5);
    ASSERT_TRUE(create());
    EXPECT_EQ(cycleAndHoleLines(), kWithout2And4);
    // what is not the circle is read afresh; the same centre written otherwise is no change
    page.Edit_g1_.setText("80");
    page.Edit_m_.setText("-4");
    page.Edit_x_.setText("0,0");
    ASSERT_TRUE(create());
    EXPECT_EQ(cycleAndHoleLines(),
              (std::vector<std::string>{"G83 X3,0902 Y9,5106 Z-4,0000 Q2 R1 F80",
                                        "X-8,0902 Y-5,8779", "X10,0000 Y0,0000"}));
    EXPECT_EQ(page.RadioGroup1.itemIndex(), 1);
    EXPECT_TRUE(notices.empty());
    EXPECT_TRUE(dialogs.messages().empty());
    // the selector, shown again, still has the holes unticked
    selector.onActivate();
    EXPECT_FALSE(selector.holeBox(2)->checked());
    EXPECT_TRUE(selector.holeBox(3)->checked());
}

TEST_F(DrillingTest, AnotherCircleDropsTheSelectionAndSaysSo) {
    const std::string dropped =
        "A furatok kiválasztása megszűnt, mert megváltozott a furatok száma, a kör középpontja, "
        "átmérője vagy elforgatása: a program minden furatot kifúr.";
    const struct {
        ui::Edit* field;
        const char* text;
        std::size_t holes;
    } changes[] = {{&page.Edit_drc_, "6", 6},
                   {&page.Edit_x_, "1", 5},
                   {&page.Edit_y_, "-1", 5},
                   {&page.Edit_r_, "30", 5},
                   {&page.Edit_ane_, "15", 5}};
    for (const auto& c : changes) {
        SCOPED_TRACE(c.field->name());
        const std::string before = c.field->text();
        notices.clear();
        page.RadioGroup1.setItemIndex(1);
        selector.holeBox(2)->setChecked(false);
        selector.Button2.click();
        c.field->setText(c.text);
        ASSERT_TRUE(create());
        EXPECT_EQ(cycleAndHoleLines().size(), c.holes);
        EXPECT_EQ(page.RadioGroup1.itemIndex(), 0);
        EXPECT_TRUE(page.RadioGroup1.itemEnabled(1));
        EXPECT_FALSE(page.RadioGroup1.itemEnabled(2));
        EXPECT_EQ(notices, std::vector<std::string>{dropped});
        for (int i = 1; i <= static_cast<int>(c.holes); ++i) EXPECT_EQ(values.drillFlags[i], 1);
        c.field->setText(before);
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

// The selector opens after a failed check with the table of the values kept; once the field
// is mended the press reads it and the selection holds, since the circle is the same.
TEST_F(DrillingTest, ASelectionMadeWhileAFieldFailedHoldsOnceItIsMended) {
    page.Edit_g1_.setText("");
    page.RadioGroup1.setItemIndex(1);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(selector.visible());
    EXPECT_EQ(selector.holeBoxCount(), 5);
    selector.holeBox(2)->setChecked(false);
    selector.holeBox(4)->setChecked(false);
    selector.Button2.click();

    dialogs.clearMessages();
    EXPECT_FALSE(create());
    EXPECT_TRUE(lines().empty());
    const std::vector<ui::Message> g1Empty{{kErr, "G1 előtolási értékét nem adtad meg."}};
    EXPECT_EQ(dialogs.messages(), g1Empty);
    page.Edit_g1_.setText("100");
    ASSERT_TRUE(create());
    EXPECT_EQ(cycleAndHoleLines(), kWithout2And4);
}

TEST_F(DrillingTest, AllHolesAfterAFailedSelectionReadsTheFieldsAgain) {
    page.Edit_g1_.setText("");
    page.RadioGroup1.setItemIndex(1);
    page.Edit_g1_.setText("80");
    page.RadioGroup1.setItemIndex(0);
    ASSERT_TRUE(create());
    EXPECT_EQ(cycleAndHoleLines()[0], "G83 X3,0902 Y9,5106 Z-10,0000 Q2 R1 F80");
}

TEST_F(DrillingTest, NoHoleTickedWritesNoCycleLine) {
    page.RadioGroup1.setItemIndex(1);
    for (int i = 1; i <= 5; ++i) selector.holeBox(i)->setChecked(false);
    selector.Button2.click();
    ASSERT_TRUE(create());
    EXPECT_TRUE(cycleAndHoleLines().empty());
    EXPECT_EQ(lines()[lines().size() - 5], "(főciklus vége)");
}

TEST_F(DrillingTest, SeriesModeAppendsEachCircle) {
    page.RadioGroup_s_.setItemIndex(1);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              (Message{"Figyelmeztetés",
                       "Sorozatmarás esetén a kezdeti beállításokat valamint a végén szokásos M "
                       "kódokat nem tartalmazza."}));
    ASSERT_TRUE(create());
    const std::size_t first = lines().size();
    ASSERT_TRUE(create());
    ASSERT_EQ(lines().size(), 2 * first);
    EXPECT_EQ(lines()[8], "(több kör mentén)");
    EXPECT_EQ(lines()[first - 1], "");
    EXPECT_EQ(lines()[first - 2], "");
    EXPECT_EQ(lines()[first], "(Fúrás kör mentén - drill circular bolt pattern)");
    for (const auto& l : lines()) {
        EXPECT_NE(l, "G21 G90");
        EXPECT_NE(l, "M30");
    }
    // back to one circle: the output is emptied, and the next press replaces it
    page.RadioGroup_s_.setItemIndex(0);
    EXPECT_TRUE(lines().empty());
}

TEST_F(DrillingTest, ALetterInAFieldEndsThePressWithItsMessage) {
    page.Edit_ane_.setText("x");
    EXPECT_FALSE(create());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, ui::kFailureCaption);
    EXPECT_TRUE(lines().empty());
}

TEST_F(DrillingTest, SelectionInTheMainWindowListDisablesChoosingAgain) {
    page.RadioGroup1.setItemIndex(1);
    EXPECT_TRUE(page.RadioGroup1.itemEnabled(2));
    page.selectedInList();
    EXPECT_FALSE(page.RadioGroup1.itemEnabled(2));
}

}  // namespace
}  // namespace qorix::test
