// The hole selector on the rectangle pattern: its boxes in the pattern's rows and columns,
// captions as wide as the boxes' room allows, and the selection that holds on the same
// pattern and is dropped, with a word on the status line, on another.
#include <gtest/gtest.h>

#include "ui/dialogs.h"
#include "ui/event.h"
#include "wizards/drilling/holeselector.h"
#include "wizards/drilling/rectangleholes.h"

namespace qorix::test {
namespace {

class RectangleSelectorTest : public ::testing::Test {
protected:
    RectangleSelectorTest() {
        page.setHoleSelector(&selector);
        page.onNotice = [this](const std::string& text) { notices.push_back(text); };
        page.startup();
    }
    void choose() { page.RadioGroup1.setItemIndex(page.RadioGroup1.itemEnabled(1) ? 1 : 2); }
    bool create() {
        return ui::runEvent(dialogs, [&] { page.Button1.click(); }) && page.lastRunWrote();
    }
    std::vector<std::string> holeLines() const {
        std::vector<std::string> out;
        for (const auto& l : page.Memo1.lines())
            if (l.rfind("G8", 0) == 0 || l.rfind("G7", 0) == 0 || l.rfind("X", 0) == 0)
                out.push_back(l);
        return out;
    }

    std::vector<std::string> notices;
    ui::RecordingDialogs dialogs;
    NumberText num{','};
    Services services{dialogs, num};
    RectangleHolesPage page{services};
    HoleSelectorDialog selector{services, page.holeChoice()};
};

TEST_F(RectangleSelectorTest, BoxesStandInThePatternsRowsAndColumns) {
    struct Box {
        int hole;
        ui::Bounds at;
        const char* caption;
    };
    const struct {
        const char *nx, *ny, *angle;
        int grid, count;
        std::vector<Box> boxes;
    } cases[] = {
        // the outline counter-clockwise: the far column goes up from hole 4
        {"4",
         "3",
         "0",
         0,
         10,
         {{1, {8, 473, 120, 17}, "X0,0000 Y0,0000"},
          {4, {456, 473, 120, 17}, "X60,0000 Y0,0000"},
          {6, {456, 72, 120, 17}, "X60,0000 Y30,0000"},
          {10, {8, 272, 120, 17}, "X0,0000 Y15,0000"}}},
        // a quarter turn stands the rows upright; the offsets are the turned ones
        {"4",
         "3",
         "90",
         0,
         10,
         {{1, {456, 473, 120, 17}, "X0,0000 Y0,0000"},
          {4, {456, 72, 120, 17}, "X0,0000 Y60,0000"},
          {9, {8, 473, 120, 17}, "X-30,0000 Y0,0000"}}},
        // six columns leave no room for the offsets: the holes are numbered row by row
        {"6", "2", "10", 1, 12, {{6, {546, 473, 30, 17}, "6."}, {12, {546, 72, 30, 17}, "12."}}},
        {"40", "2", "0", 1, 80, {{80, {566, 72, 10, 17}, ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nx << "x" << c.ny << " at " << c.angle);
        page.Edit_drx_.setText(c.nx);
        page.Edit_dry_.setText(c.ny);
        page.Edit_ane_.setText(c.angle);
        page.RadioGroup_mt_.setItemIndex(c.grid);
        choose();
        ASSERT_EQ(selector.holeBoxCount(), c.count);
        for (const Box& b : c.boxes) {
            EXPECT_EQ(*selector.holeBox(b.hole)->bounds(), b.at) << b.hole;
            EXPECT_EQ(selector.holeBox(b.hole)->caption(), b.caption) << b.hole;
        }
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(RectangleSelectorTest, ASelectionHoldsOnThePatternAndAnotherPatternDropsIt) {
    choose();
    EXPECT_TRUE(selector.visible());
    selector.holeBox(1)->setChecked(false);
    selector.holeBox(5)->setChecked(false);
    selector.Button2.click();
    EXPECT_TRUE(page.pageFacts().leftOut.empty());  // no program yet leaves a hole out
    const std::vector<std::string> without1And5 = {"G83 X20,0000 Y0,0000 Z-10,0000 Q2 R1 F100",
                                                   "X40,0000 Y0,0000",
                                                   "X60,0000 Y0,0000",
                                                   "X60,0000 Y30,0000",
                                                   "X40,0000 Y30,0000",
                                                   "X20,0000 Y30,0000",
                                                   "X0,0000 Y30,0000",
                                                   "X0,0000 Y15,0000"};
    for (int press = 0; press < 2; ++press) {
        ASSERT_TRUE(create());
        EXPECT_EQ(holeLines(), without1And5);
    }
    const PageFacts facts = page.pageFacts();
    ASSERT_EQ(facts.leftOut.size(), 2u);
    EXPECT_EQ(facts.leftOut[1].x, 60);
    EXPECT_EQ(facts.leftOut[1].y, 15);
    EXPECT_TRUE(notices.empty());

    page.Edit_ty_.setText("16");
    ASSERT_TRUE(create());
    EXPECT_EQ(holeLines().size(), 10u);
    EXPECT_TRUE(page.pageFacts().leftOut.empty());
    EXPECT_EQ(page.RadioGroup1.itemIndex(), 0);
    EXPECT_EQ(notices, std::vector<std::string>{
                           "A furatok kiválasztása megszűnt, mert megváltozott az első furat "
                           "helye, a furatok száma, távolsága, elforgatása vagy a furatkép: a "
                           "program minden furatot kifúr."});
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(RectangleSelectorTest, ThePreviewsBoxTurnsWithThePattern) {
    page.Edit_x_.setText("10");
    page.Edit_ane_.setText("90");
    ASSERT_TRUE(create());
    const PageFacts f = page.pageFacts();
    ASSERT_EQ(f.outlines.size(), 1u);
    const auto corners = facts::rectangleOutline(f.outlines[0]);
    const std::array<double, 2> holes[] = {{10, 0}, {10, 60}, {-20, 60}, {-20, 0}, {10, 0}};
    ASSERT_EQ(corners.size(), std::size(holes));
    for (std::size_t i = 0; i < corners.size(); ++i) {
        EXPECT_NEAR(corners[i][0], holes[i][0], 1e-9) << i;
        EXPECT_NEAR(corners[i][1], holes[i][1], 1e-9) << i;
    }
}

}  // namespace
}  // namespace qorix::test
