// The store window: its controls, the size keys, "ClearAll" and the listing of every value.
#include "link/aboutbox.h"

#include <gtest/gtest.h>

#include "support/golden.h"

namespace qorix::test {
namespace {

const std::string kSeparator = std::string(30, '<') + std::string(30, '>');
const std::string kZeroHole = "0°   X(_r_)0,0000   Y(_r_)0,0000   X0,0000   Y0,0000";

struct AboutBoxTest : ::testing::Test {
    NumberText num{','};
    RecordingSleeper sleeper;
    AboutBox box{num, sleeper};
    DrillingValues drilling;  // the drilling page's, as the main window hands them over
    AboutBoxTest() { box.showDrilling(&drilling); }
};

std::vector<std::string> emptyListing() {
    return {"AboutBox változói",
            "Xpos= 0,0000",
            "Ypos= 0,0000",
            "Zpos= 0,0000",
            "X_pos= ",
            "Y_pos= ",
            "Z_pos= ",
            "_CF_= ",
            "_AF_= ",
            "_FF_= ",
            "_GF_= ",
            kSeparator,
            "Fúrás kör mentén (drill circular bolt pattern) változói",
            "X tengely középpontja   u8_x_= 0,0000",
            "Y tengely középpontja   u8_y_= 0,0000",
            "Z tengely kezdőpontja   u8_z_= 0,0000",
            "A kör sugara   u8_r_= 0,0000",
            "Biztonsági Z érték   u8_zsb_= 0,0000",
            "Biztonsági Z pozíció   u8_zs_= 0,0000",
            "Szerszám átmérő   u8_sz_= 0,0000",
            "Furatok száma a kör mentén   u8_szc_= 0",
            "A kör átmérője   u8_rd_= 0,0000",
            "Furatok száma számláló   u8_anc= 0",
            "Utolsó furatok száma adat   u8_ancl= 0",
            "_an[0,1..5]= " + kZeroHole,
            "_an[1,1..5]= " + kZeroHole,
            kSeparator};
}

TEST_F(AboutBoxTest, StartsEmptyInHostModeWithTheCompactSize) {
    EXPECT_EQ(box.caption(), "About");
    EXPECT_EQ(box.standalone, 0);
    EXPECT_EQ(drilling.preparedCount, 0);
    EXPECT_EQ(box.xPos, 0);
    EXPECT_EQ(drilling.table[1000][4], 0);
    EXPECT_EQ(drilling.drillFlags[1000], 0);
    EXPECT_EQ(box.commandPath, "");
    EXPECT_EQ(box.width(), 287);
    EXPECT_EQ(box.height(), 356);
    EXPECT_FALSE(box.Memo1.visible());
    EXPECT_FALSE(box.Memo2.visible());
    EXPECT_FALSE(box.Memo3.visible());
    EXPECT_EQ(box.Edit1.text(), "");
    EXPECT_EQ(box.Button1.caption(), "MDI");
    EXPECT_EQ(box.Button2.caption(), "Összes változó kiírása");
    EXPECT_EQ(box.Button3.caption(), "ClearAll");
    EXPECT_EQ(box.OKButton.caption(), "OK");
    EXPECT_EQ(box.Label2.caption(), "1.x.x.x  beta");
}

TEST_F(AboutBoxTest, SizeKeysShowAndHideTheBoxes) {
    int resized = 0;
    box.addSizeListener([&] { ++resized; });
    box.OKButtonKeyPress('h');
    EXPECT_EQ(resized, 0);
    box.OKButtonKeyPress('l');
    EXPECT_EQ(resized, 1);
    EXPECT_EQ(box.width(), 678);
    EXPECT_EQ(box.height(), 467);
    EXPECT_TRUE(box.Memo1.visible() && box.Memo2.visible() && box.Memo3.visible());
    box.OKButtonKeyPress('x');
    EXPECT_EQ(box.width(), 678);
    EXPECT_TRUE(box.boxesShown());
    box.OKButtonKeyPress('H');
    EXPECT_EQ(box.width(), 287);
    EXPECT_EQ(box.height(), 356);
    EXPECT_FALSE(box.Memo1.visible() || box.Memo2.visible() || box.Memo3.visible());
    box.OKButtonKeyPress('L');
    EXPECT_EQ(box.height(), 467);
    box.OKButtonKeyPress('h');
    EXPECT_EQ(box.height(), 356);
    EXPECT_EQ(resized, 4);
}

TEST_F(AboutBoxTest, OkHidesTheWindowAndTheValuesStay) {
    drilling.preparedCount = 7;
    box.OKButton.click();
    EXPECT_FALSE(box.visible());
    EXPECT_EQ(drilling.preparedCount, 7);
}

TEST_F(AboutBoxTest, ListingWithNoHoleDataListsEntriesZeroAndOneOnly) {
    box.Button2.click();
    EXPECT_TRUE(sameLines(box.Memo2.lines(), emptyListing()));
}

TEST_F(AboutBoxTest, ClearAllEmptiesTheBoxesAndTheNextListingStartsAfresh) {
    box.Memo1.add("X 1");
    box.Memo3.add("G0 X0");
    box.Button2.click();
    box.Button3.click();
    EXPECT_TRUE(box.Memo1.lines().empty());
    EXPECT_TRUE(box.Memo2.lines().empty());
    EXPECT_TRUE(box.Memo3.lines().empty());
    box.Button2.click();
    EXPECT_TRUE(sameLines(box.Memo2.lines(), emptyListing()));
}

TEST_F(AboutBoxTest, ListingOfAPreparedHoleTableAndItsDrillFlags) {
    box.xPos = 1.5L;
    box.xPosText = "1,5000";
    box.commandPath = "/x/command.txt";
    drilling.centreX = 10;
    drilling.peckDepth = 2.5L;  // halves round away from zero
    drilling.circleDiameter = 40;
    drilling.preparedCount = 3;
    drilling.writtenCount = 3;
    drilling.table[0] = {120, 0, 0, 0, 0};
    drilling.table[1] = {120, 20, 0, 1, 0};
    drilling.table[2] = {240, -10, 17.3205080757L, -0.5L, 0.866025403784L};
    drilling.table[3] = {360, -10, -17.3205080757L, -0.5L, -0.866025403784L};
    drilling.drillFlags[1] = 1;
    drilling.drillFlags[2] = 0;
    drilling.drillFlags[3] = 0;
    box.Button2.click();
    const auto& l = box.Memo2.lines();
    ASSERT_EQ(l.size(), 32u);
    EXPECT_EQ(l[1], "Xpos= 1,5000");
    EXPECT_EQ(l[4], "X_pos= 1,5000");
    EXPECT_EQ(l[7], "_CF_= /x/command.txt");
    EXPECT_EQ(l[13], "X tengely középpontja   u8_x_= 10,0000");
    EXPECT_EQ(l[20], "Furatok száma a kör mentén   u8_szc_= 3");
    EXPECT_EQ(l[21], "A kör átmérője   u8_rd_= 40,0000");
    EXPECT_EQ(l[22], "Furatok száma számláló   u8_anc= 3");
    EXPECT_EQ(l[23], "Utolsó furatok száma adat   u8_ancl= 3");
    EXPECT_EQ(l[24], "_an[0,1..5]= 120°   X(_r_)0,0000   Y(_r_)0,0000   X0,0000   Y0,0000");
    EXPECT_EQ(l[26], "_an[2,1..5]= 240°   X(_r_)-10,0000   Y(_r_)17,3205   X-0,5000   Y0,8660");
    EXPECT_EQ(l[27], "_an[3,1..5]= 360°   X(_r_)-10,0000   Y(_r_)-17,3205   X-0,5000   Y-0,8660");
    EXPECT_EQ(l[28], "1. furat u8_an[1](X20,0000 Y0,0000)ki lesz fúrva");
    EXPECT_EQ(l[29], "2. furat u8_an[2](X-10,0000 Y17,3205) kimarad");
    EXPECT_EQ(l[30], "3. furat u8_an[3](X-10,0000 Y-17,3205) kimarad");
    EXPECT_EQ(l[31], kSeparator);
}

TEST_F(AboutBoxTest, ACountBeyondTheTableListsTheWholeTableOnly) {
    for (auto& e : drilling.table) e[0] = 1;
    drilling.writtenCount = 5000;
    box.Button2.click();
    // 24 value lines, 1001 holes, 1000 flags, the closing separator
    EXPECT_EQ(box.Memo2.lines().size(), 24u + 1001u + 1000u + 1u);
    EXPECT_EQ(box.Memo2.lines()[24 + 1001 + 999],
              "1000. furat u8_an[1000](X0,0000 Y0,0000) kimarad");
}

}  // namespace
}  // namespace qorix::test
