// The centre check: the store's ComputeThreadStart for measured points all around the
// centre, and the check dialog's texts, buttons and flags.
#include "wizards/thread/threadcheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "link/aboutbox.h"
#include "support/storeservices.h"

namespace qorix {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// The page's defaults as the store holds them after a reading.
ThreadRepairValues defaults() {
    ThreadRepairValues v;
    v.depth = 1.5L;
    v.pitch = 1.5L;
    v.threadLength = 10;
    v.toolDiameter = 8;
    v.threadDiameter = 20;
    v.threadRadius = 10;
    return v;
}

struct AngleCase {
    long double dx, dy, angle;
};

class MeasuredAngle : public ::testing::TestWithParam<AngleCase> {};

TEST_P(MeasuredAngle, GivesTheDirectionAndThePointOnTheFullDepthPath) {
    const AngleCase& c = GetParam();
    ThreadRepairValues v = defaults();
    v.x = 50;
    v.y = -20;
    v.measuredX = 50 + c.dx;
    v.measuredY = -20 + c.dy;
    v.ComputeThreadStart();
    EXPECT_NEAR(static_cast<double>(v.angle), static_cast<double>(c.angle), 1e-15);
    EXPECT_NEAR(static_cast<double>(v.phase), static_cast<double>(c.angle / (2 * kPi) * 1.5L),
                1e-15);
    EXPECT_NEAR(static_cast<double>(v.computedX),
                static_cast<double>(50 + std::cos(c.angle) * 12.5L), 1e-12);
    EXPECT_NEAR(static_cast<double>(v.computedY),
                static_cast<double>(-20 + std::sin(c.angle) * 12.5L), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(AroundTheCentre, MeasuredAngle,
                         ::testing::Values(AngleCase{12.5L, 0, 0}, AngleCase{0, 12.5L, kPi / 2},
                                           AngleCase{-12.5L, 0, kPi},
                                           AngleCase{0, -12.5L, 3 * kPi / 2},
                                           AngleCase{3, 3, kPi / 4}, AngleCase{-3, 3, 3 * kPi / 4},
                                           AngleCase{-3, -3, 5 * kPi / 4},
                                           AngleCase{3, -3, 7 * kPi / 4}, AngleCase{0, 0, 0}));

TEST(ComputeThreadStart, FortyFiveDegreesShiftsTheHelixByAnEighthOfThePitch) {
    ThreadRepairValues v = defaults();
    v.measuredX = 8;
    v.measuredY = 8;
    v.measuredZ = -3;
    v.ComputeThreadStart();
    EXPECT_NEAR(static_cast<double>(v.phase), 0.1875, 1e-15);
    // right-hand: the groove at angle 0 lies an eighth of a pitch below the measured point;
    // turns (-3 - 0,1875) / 1,5 = -2,125; n = round(4,125) = 4
    EXPECT_NEAR(static_cast<double>(v.turns), -2.125, 1e-15);
    EXPECT_EQ(v.wholeTurns, 4);
    EXPECT_NEAR(static_cast<double>(v.helixStartZ), 6 - 0.1875 - 3, 1e-15);
    // left-hand: an eighth above; turns (-3 + 0,1875) / 1,5 = -1,875; n = round(3,875) = 4
    v.ccw = 1;
    v.ComputeThreadStart();
    EXPECT_NEAR(static_cast<double>(v.turns), -1.875, 1e-15);
    EXPECT_EQ(v.wholeTurns, 4);
    EXPECT_NEAR(static_cast<double>(v.helixStartZ), 6 + 0.1875 - 3, 1e-15);
}

TEST(ComputeThreadStart, HalfATurnCountsUpwards) {
    ThreadRepairValues v = defaults();
    v.measuredX = 12.5L;
    v.measuredZ = -3;
    v.heightCorrection = 0.5L;
    v.ComputeThreadStart();
    EXPECT_EQ(v.turns, -1.5L);
    EXPECT_EQ(v.wholeTurns, 4);
    EXPECT_EQ(v.helixStartZ, 3.5L);
}

TEST(ComputeThreadStart, BoltAndNutPathsAndStartX) {
    ThreadRepairValues v = defaults();
    v.depthCorrection = 0.004L;
    v.ComputeThreadStart();
    v.ComputeStartX();
    EXPECT_EQ(v.depthWithCorrection, 1.504L);
    EXPECT_NEAR(static_cast<double>(v.fullDepthRadius), 12.496, 1e-15);
    EXPECT_NEAR(static_cast<double>(v.startX), 13.996, 1e-15);
    v.nut = 1;
    v.depthCorrection = 0;
    v.ComputeThreadStart();
    v.ComputeStartX();
    EXPECT_EQ(v.depthWithCorrection, 0);
    EXPECT_EQ(v.fullDepthRadius, 6);
    EXPECT_EQ(v.startX, 4.5L);
}

class CheckDialog : public ::testing::Test, protected test::StoreServices {
protected:
    ThreadCheckDialog check{services};
    ThreadHandshake handshake;  // the thread page's
    void SetUp() override { check.attach(handshake); }
};

TEST_F(CheckDialog, HasItsCaptionSizeAndFixedTexts) {
    EXPECT_EQ(check.caption(), "Ellenőrzés");
    EXPECT_EQ(ThreadCheckDialog::kClientWidth, 635);
    EXPECT_EQ(ThreadCheckDialog::kClientHeight, 198);
    EXPECT_FALSE(check.visible());
    EXPECT_EQ(check.Label1.caption(), "Középpont adatok: ");
    EXPECT_EQ(check.Label11.caption(), "Eltérések:");
    EXPECT_EQ(check.Label12.caption(), "Kezdő pozíciók az adatok figyelembe vételével:");
    EXPECT_EQ(check.Button1.caption(), "Adatok rendben");
    EXPECT_EQ(check.Button2.caption(), "Újra beállítás");
}

TEST_F(CheckDialog, ShowsTheWorkedExample) {
    handshake.values = defaults();
    handshake.values.measuredX = 12.5L;
    handshake.values.measuredZ = -3;
    check.showCheck();
    EXPECT_TRUE(check.visible());
    EXPECT_EQ(check.Label2.caption(),
              " X tengely középpontnál: 0,0000  X mért pont: 12,5000  Számított: 12,5000");
    EXPECT_EQ(check.Label3.caption(),
              " Y tengely középpontnál: 0,0000  Y mért pont: 0,0000  Számított: 0,0000");
    EXPECT_EQ(check.Label4.caption(), "Z tengely kezdőpont: 0,0000");
    EXPECT_EQ(check.Label17.caption(), "Z mért pont: -3,0000");
    EXPECT_EQ(check.Label5.caption(), "0,0000 mm");
    EXPECT_EQ(check.Label7.caption(), "0,0000 mm");
    EXPECT_EQ(check.Label8.caption(), "-2,00 menet");
    EXPECT_EQ(check.Label9.caption(), "X14,0000");
    EXPECT_EQ(check.Label10.caption(), "Y0,0000");
    EXPECT_EQ(check.Label13.caption(), "Z3,0000");
    EXPECT_EQ(handshake.values.startX, 14);
    EXPECT_TRUE(check.Button1.enabled());
}

TEST_F(CheckDialog, PointAtNinetyDegreesShowsItsDeviationInY) {
    handshake.values = defaults();
    handshake.values.measuredY = 12;
    handshake.values.measuredZ = -3;
    check.showCheck();
    EXPECT_EQ(check.Label5.caption(), "0,0000 mm");
    EXPECT_EQ(check.Label7.caption(), "-0,5000 mm");
    // a right-hand groove is a quarter pitch lower at angle 0: (-3 - 0,375) / 1,5
    EXPECT_EQ(check.Label8.caption(), "-2,25 menet");
    EXPECT_EQ(check.Label13.caption(), "Z2,6250");
}

TEST_F(CheckDialog, AnswersThroughTheCheckFlagAndCloses) {
    check.showCheck();
    ASSERT_TRUE(check.Button1.click());
    EXPECT_EQ(handshake.checkResult, 1);
    EXPECT_FALSE(check.visible());
    check.showCheck();
    ASSERT_TRUE(check.Button2.click());
    EXPECT_EQ(handshake.checkResult, 2);
    EXPECT_FALSE(check.visible());
}

TEST_F(CheckDialog, DataThatFailedTheirCheckCannotBeAccepted) {
    handshake.values = defaults();
    handshake.values.error = 1;
    check.showCheck();
    EXPECT_FALSE(check.Button1.enabled());
    EXPECT_TRUE(check.Button2.enabled());
    handshake.values.error = 0;
    check.FormActivate();
    EXPECT_TRUE(check.Button1.enabled());
}

}  // namespace
}  // namespace qorix
