// The thread repair page through its controls: defaults, the value listing, the checks and
// their boxes, the button cycle of a measurement and a check, the timers, the correction
// scroll bars, and the program that "Létrehozás" appends.
#include "wizards/thread/threadrepair.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "link/aboutbox.h"
#include "link/positioncapture.h"
#include "support/pagetest.h"
#include "support/storeservices.h"
#include "ui/event.h"
#include "wizards/common/messages.h"
#include "wizards/thread/threadcheck.h"

namespace qorix {
namespace {

using ui::Message;

class ThreadRepair : public test::PageTest<ThreadRepairPage, test::StoreServices> {
protected:
    PositionCaptureDialog capture{services};
    ThreadCheckDialog check{services};

    void SetUp() override {
        page.connectDialogs(capture, check);
        page.startup();
        page.Button2.click();
    }
    bool click(ui::Button& button) {
        dialogs.clearMessages();
        return ui::runEvent(dialogs, [&] { button.click(); });
    }
    void measured(const char* x, const char* y, const char* z) {
        page.Edit_Xpos_.setText(x);
        page.Edit_Ypos_.setText(y);
        page.Edit_Zpos_.setText(z);
    }
    // "Ellenőrzés", "Adatok rendben", the poll, "Létrehozás".
    void checkAcceptCreate() {
        ASSERT_TRUE(click(page.Button4));
        ASSERT_TRUE(check.Button1.click());
        page.Timer2.fire();
        ASSERT_TRUE(click(page.Button1));
    }
    std::vector<bool> buttons() const {
        return {page.Button1.enabled(), page.Button4.enabled(), page.Button2.enabled(),
                page.Button3.enabled()};
    }
    const ThreadRepairValues& v() const { return page.values(); }
};

TEST_F(ThreadRepair, StartsWithItsDefaultsAndOnlyCreateDisabled) {
    EXPECT_EQ(page.Title.caption(), "Menet javítás (thread repair)");
    EXPECT_EQ(page.Edit_x_.caption(), "X tengely középpontja:");
    EXPECT_EQ(page.Edit_Xpos_.caption(), "Bemért pozíció X:");
    EXPECT_EQ(page.Edit_Xpos_.text(), "0,0000");
    EXPECT_EQ(page.Edit_zm_.text(), "1,5");
    EXPECT_EQ(page.Edit_m_.caption(), "Menet mélysége:");
    EXPECT_EQ(page.Edit_r_.caption(), "Menet átmérő (M)");
    EXPECT_EQ(page.Edit_ml_.text(), "10");
    EXPECT_EQ(page.Edit_sz_.text(), "8");
    EXPECT_TRUE(page.Edit_szc_.enabled());
    EXPECT_FALSE(page.CheckBox_szc_.checked());
    EXPECT_EQ(page.RadioGroup_cs_.items(), (std::vector<std::string>{"Csavar", "Anya"}));
    EXPECT_EQ(page.RadioGroup_cw_.caption(), "Megmunkálási irány");
    EXPECT_EQ(page.RadioGroup_cw_.items()[1], "Balos  (CCW)");
    EXPECT_EQ(page.ScrollBar1.position(), 500);
    EXPECT_EQ(page.ScrollBar2.max(), 1000);
    EXPECT_EQ(page.Label19.caption(), "0,0000 mm");
    EXPECT_EQ(page.Label20.caption(), "0,0000 mm");
    EXPECT_EQ(buttons(), (std::vector<bool>{false, true, true, true}));
    EXPECT_EQ(page.Button4.caption(), "Ellenőrzés");
    EXPECT_EQ(page.Button3.caption(), "Bemérés");
    EXPECT_FALSE(page.Timer1.enabled());
    EXPECT_FALSE(page.Timer2.enabled());
    EXPECT_EQ(page.Timer1.interval(), 100);
    EXPECT_EQ(page.Timer2.interval(), 100);
    EXPECT_FALSE(capture.visible());
    EXPECT_FALSE(check.visible());
}

TEST_F(ThreadRepair, StartUpListsTheDefaultValuesAndKeepsThemInTheStore) {
    ThreadRepairPage fresh(services);
    fresh.startup();
    const auto& lines = fresh.Memo1.lines();
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[0], "_x_=0,0000");
    EXPECT_EQ(lines[4], "_Xpos_=0,0000");
    EXPECT_EQ(lines[7], "_m_=1,5000");
    EXPECT_EQ(lines[10], "_sz_=8");
    EXPECT_EQ(lines[11], "_rd_=20");
    EXPECT_EQ(lines[12], "_szc_=0,6000");
    EXPECT_EQ(lines[21], "_cs_=0");
    EXPECT_EQ(lines[22], "_zs_:=_z_+_zsb_= 5,0000");
    EXPECT_EQ(lines[23], "_mcm_:=_m_/_mc_= 0,5000");
    EXPECT_EQ(lines[24], "_mc_= 3");
    EXPECT_EQ(lines[26], "_hk_:= 0,0000");
    EXPECT_EQ(v().threadRadius, 10);
    EXPECT_EQ(v().arcFeed, 300);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(ThreadRepair, AcceptedCheckEnablesOnlyCreateAndCreateStartsTheCycleAgain) {
    measured("12,5", "0", "-3");
    ASSERT_TRUE(click(page.Button4));
    EXPECT_TRUE(check.visible());
    EXPECT_TRUE(page.Timer2.enabled());
    EXPECT_EQ(page.handshake().checkResult, 0);
    EXPECT_EQ(out().size(), 27u);
    page.Timer2.fire();  // nothing answered yet
    EXPECT_EQ(buttons(), (std::vector<bool>{false, true, true, true}));
    ASSERT_TRUE(click(check.Button1));
    EXPECT_FALSE(check.visible());
    EXPECT_EQ(page.handshake().checkResult, 1);
    page.Timer2.fire();
    EXPECT_FALSE(page.Timer2.enabled());
    EXPECT_EQ(buttons(), (std::vector<bool>{true, false, false, false}));
    ASSERT_TRUE(click(page.Button1));
    EXPECT_EQ(buttons(), (std::vector<bool>{false, true, true, true}));
    EXPECT_EQ(out()[27], "");
    EXPECT_EQ(out()[28], "(Menet javítás - thread repair)");
    EXPECT_EQ(out().back(), "M30");
}

TEST_F(ThreadRepair, ReadjustOffersTheCheckAndTheMeasurementAgain) {
    page.Button3.setEnabled(false);  // as the main window leaves it in host mode
    measured("12,5", "0", "-3");
    ASSERT_TRUE(click(page.Button4));
    ASSERT_TRUE(click(check.Button2));
    EXPECT_EQ(page.handshake().checkResult, 2);
    EXPECT_FALSE(check.visible());
    page.Timer2.fire();
    EXPECT_FALSE(page.Timer2.enabled());
    EXPECT_EQ(buttons(), (std::vector<bool>{false, true, true, true}));
}

TEST_F(ThreadRepair, StandaloneModeNeverEnablesTheMeasurement) {
    store.standalone = 1;
    page.Button3.setEnabled(false);
    measured("12,5", "0", "-3");
    ASSERT_TRUE(click(page.Button4));
    ASSERT_TRUE(click(check.Button2));
    page.Timer2.fire();
    EXPECT_FALSE(page.Button3.enabled());
    checkAcceptCreate();
    EXPECT_EQ(buttons(), (std::vector<bool>{false, true, true, false}));
}

TEST_F(ThreadRepair, EachCheckAppendsTheListingAgain) {
    measured("12,5", "0", "-3");
    ASSERT_TRUE(click(page.Button4));
    ASSERT_TRUE(click(page.Button4));
    ASSERT_EQ(out().size(), 54u);
    EXPECT_TRUE(std::equal(out().begin(), out().begin() + 27, out().begin() + 27));
    EXPECT_EQ(count("_Xpos_=12,5000"), 2);
}

TEST_F(ThreadRepair, ClosingTheCheckByItsFrameLeavesTheButtonsAndKeepsPolling) {
    measured("12,5", "0", "-3");
    ASSERT_TRUE(click(page.Button4));
    check.setVisible(false);
    page.Timer2.fire();
    EXPECT_TRUE(page.Timer2.enabled());
    EXPECT_EQ(buttons(), (std::vector<bool>{false, true, true, true}));
}

TEST_F(ThreadRepair, MeasurementEmptiesTheFieldsAndTheOutputAndOpensTheCapture) {
    page.handshake().capture = {.accepted = true, .x = 4};
    capture.Memo1.setLines({"1", "2", "3"});
    capture.Button2.setEnabled(true);
    measured("12,5", "0", "-3");
    checkAcceptCreate();
    ASSERT_TRUE(click(page.Button3));
    EXPECT_EQ(page.handshake().capture.x, 0);
    EXPECT_FALSE(page.handshake().capture.accepted);
    EXPECT_EQ(page.Edit_Xpos_.text(), "");
    EXPECT_EQ(page.Edit_Zpos_.text(), "");
    EXPECT_TRUE(out().empty());
    EXPECT_TRUE(page.Timer1.enabled());
    EXPECT_FALSE(page.Button1.enabled());
    EXPECT_TRUE(page.Button4.enabled());
    EXPECT_TRUE(capture.visible());
    EXPECT_FALSE(capture.Button2.enabled());
    EXPECT_TRUE(capture.Memo1.lines().empty());

    page.Timer1.fire();  // not accepted yet
    EXPECT_EQ(page.Edit_Xpos_.text(), "");
    page.handshake().capture = {.accepted = true, .x = 12.5L, .y = -0.25L, .z = -3};
    page.Timer1.fire();
    EXPECT_FALSE(page.Timer1.enabled());
    EXPECT_EQ(page.Edit_Xpos_.text(), "12,5000");
    EXPECT_EQ(page.Edit_Ypos_.text(), "-0,2500");
    EXPECT_EQ(page.Edit_Zpos_.text(), "-3,0000");
}

TEST_F(ThreadRepair, CheckBeforeTheCaptureWasAcceptedEndsInTheConversionError) {
    ASSERT_TRUE(click(page.Button3));
    EXPECT_FALSE(click(page.Button4));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, ui::kFailureCaption);
    EXPECT_FALSE(check.visible());
    EXPECT_FALSE(page.Timer2.enabled());
}

TEST_F(ThreadRepair, FailedReadingShowsTheCheckButRefusesItsAcceptance) {
    measured("12,5", "0", "-3");
    page.Edit_r_.setText("6");
    ASSERT_TRUE(click(page.Button4));
    EXPECT_EQ(dialogs.messages(),
              (std::vector<Message>{error("A kör átmérője kisebb mint a szerszám átmérője.")}));
    EXPECT_EQ(v().error, 1);
    EXPECT_EQ(v().threadDiameter, 20);  // the refused value keeps the one read before
    EXPECT_TRUE(check.visible());
    EXPECT_FALSE(check.Button1.enabled());
    EXPECT_FALSE(check.Button1.click());
    EXPECT_TRUE(check.Button2.enabled());
    page.Edit_r_.setText("8");  // equal to the tool: accepted
    ASSERT_TRUE(click(page.Button4));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(check.Button1.enabled());
    EXPECT_EQ(v().threadDiameter, 8);
}

TEST_F(ThreadRepair, EveryFailingCheckShowsItsBoxInOrder) {
    page.Edit_x_.setText("");
    page.Edit_m_.setText("0");
    page.Edit_zm_.setText("");
    page.Edit_ml_.setText("0,0");
    page.Edit_sz_.setText("");
    page.Edit_r_.setText("0");
    page.Edit_szc_.setText("");
    page.Edit_szsz_.setText("0");
    page.Edit_ff_.setText("");
    page.Edit_g1_.setText("");
    page.Edit_g23_.setText("");
    ASSERT_TRUE(click(page.Button4));
    EXPECT_EQ(page.Edit_x_.text(), "0");
    EXPECT_EQ(dialogs.messages(), (std::vector<Message>{
                                      error(msg::kDepthZero),
                                      error("Menetemelkedés \"0\", vagy nem adtál meg értéket."),
                                      error("Menet hossza \"0\", vagy nem adtál meg értéket."),
                                      error(msg::kToolDiameterZero),
                                      error("A kör átmérője \"0\", vagy nem adtál meg értéket."),
                                      error(msg::kStepLimitZero),
                                      error(msg::kToolNumberZero),
                                      error(msg::kSpindleZero),
                                      error(msg::kG1Empty),
                                      error(msg::kG23Empty),
                                  }));
    EXPECT_FALSE(check.Button1.enabled());
}

TEST_F(ThreadRepair, DepthPitchAndLengthAreTakenAsAbsoluteValuesAndTheStepWithItsSign) {
    page.Edit_m_.setText("-1,5");
    page.Edit_zm_.setText("-2");
    page.Edit_ml_.setText("-12");
    page.Edit_szc_.setText("-0,6");
    ASSERT_TRUE(click(page.Button4));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(v().depth, 1.5L);
    EXPECT_EQ(v().pitch, 2);
    EXPECT_EQ(v().threadLength, 12);
    EXPECT_EQ(v().stepLimit, -0.6L);
    EXPECT_EQ(v().passes, 3);
    EXPECT_TRUE(has("_szc_=-0,6000"));
}

TEST_F(ThreadRepair, StepLargerThanTheDepthWritesTheSameProgramAsNoStep) {
    measured("12,5", "0", "-3");
    page.Edit_szc_.setText("2");
    checkAcceptCreate();
    EXPECT_EQ(v().passes, 1);
    EXPECT_EQ(count("G1 X12,5000"), 1);
    EXPECT_EQ(count("(mélységi"), 0);
    EXPECT_EQ(count("(ciklusonkénti"), 0);
    std::vector<std::string> program(out().begin() + 27, out().end());
    page.Button2.click();
    page.CheckBox_szc_.setChecked(true);
    checkAcceptCreate();
    EXPECT_EQ(std::vector<std::string>(out().begin() + 27, out().end()), program);
}

TEST_F(ThreadRepair, ToolLinesFollowTheFieldsAtCreationAndTheRestTheCheck) {
    measured("12,5", "0", "-3");
    ASSERT_TRUE(click(page.Button4));
    ASSERT_TRUE(check.Button1.click());
    page.Timer2.fire();
    page.Edit_szsz_.setText("7");
    page.Edit_ff_.setText("2400");
    page.Edit_x_.setText("5");
    ASSERT_TRUE(click(page.Button1));
    EXPECT_TRUE(has("T7 M6"));
    EXPECT_TRUE(has("S2400 M3"));
    EXPECT_TRUE(has("(középpont X0,0000 Y0,0000 Z0,0000)"));
    EXPECT_TRUE(has("G1 X14,0000 Y0,0000 F300"));
}

TEST_F(ThreadRepair, DepthCorrectionTwoStepsMovesTheStartInwards) {
    page.ScrollBar1.setPosition(502);
    EXPECT_EQ(page.Label19.caption(), "0,0040 mm");
    EXPECT_EQ(v().depthCorrection, 0.004L);
    measured("12,5", "0", "-3");
    checkAcceptCreate();
    EXPECT_EQ(check.Label9.caption(), "X13,9960");
    EXPECT_EQ(check.Label2.caption(),
              " X tengely középpontnál: 0,0000  X mért pont: 12,5000  Számított: 12,4960");
    EXPECT_EQ(check.Label5.caption(), "0,0040 mm");
    EXPECT_TRUE(has("_dk_:= 0,0040"));
    EXPECT_TRUE(has("G1 X12,4960"));  // the last pass, at full depth
    page.ScrollBar1.setPosition(0);
    EXPECT_EQ(page.Label19.caption(), "-1,0000 mm");
}

TEST_F(ThreadRepair, HeightCorrectionRaisesTheHelixStart) {
    page.ScrollBar2.setPosition(750);
    EXPECT_EQ(page.Label20.caption(), "0,5000 mm");
    measured("12,5", "0", "-3");
    ASSERT_TRUE(click(page.Button4));
    EXPECT_EQ(check.Label8.caption(), "-1,50 menet");
    EXPECT_EQ(v().wholeTurns, 4);
    EXPECT_EQ(check.Label13.caption(), "Z3,5000");
}

TEST_F(ThreadRepair, NutStartsInsideTheHole) {
    page.RadioGroup_cs_.setItemIndex(1);
    measured("6", "0", "-3");
    ASSERT_TRUE(click(page.Button4));
    EXPECT_EQ(v().fullDepthRadius, 6);
    EXPECT_EQ(check.Label9.caption(), "X4,5000");
    EXPECT_EQ(check.Label5.caption(), "0,0000 mm");
}

TEST_F(ThreadRepair, NutWhoseToolDoesNotPassTheMinorDiameterIsRefused) {
    page.RadioGroup_cs_.setItemIndex(1);
    page.Edit_sz_.setText("16,9");
    ASSERT_TRUE(click(page.Button4));
    EXPECT_TRUE(dialogs.messages().empty());
    page.Edit_sz_.setText("17");
    ASSERT_TRUE(click(page.Button4));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, msg::kErrorCaption);
    EXPECT_NE(dialogs.messages()[0].text.find("belső átmérője"), std::string::npos);
    EXPECT_FALSE(check.Button1.enabled());
    page.RadioGroup_cs_.setItemIndex(0);  // a bolt with that tool is fine
    ASSERT_TRUE(click(page.Button4));
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(ThreadRepair, PassCountThatIsNeverFoundIsRefused) {
    page.Edit_szc_.setText("0,01");
    ASSERT_TRUE(click(page.Button4));
    EXPECT_EQ(dialogs.messages(), (std::vector<Message>{error(msg::kStepLimitTooSmall)}));
    EXPECT_EQ(v().passes, 3);  // the count of the reading before
    EXPECT_FALSE(check.Button1.enabled());
}

TEST_F(ThreadRepair, CoolantM8AndNoToolLines) {
    page.RadioGroup_h_.setItemIndex(2);
    page.CheckBox_szsz_.setChecked(true);
    measured("12,5", "0", "-3");
    checkAcceptCreate();
    EXPECT_EQ(count("T"), 0);
    EXPECT_EQ(count("S"), 0);
    EXPECT_FALSE(has("G4 P2000"));
    EXPECT_FALSE(has("M5"));
    auto m8 = std::find(out().begin(), out().end(), "M8");
    auto firstG1 = std::find_if(out().begin(), out().end(),
                                [](const std::string& l) { return l.rfind("G1 ", 0) == 0; });
    EXPECT_LT(m8, firstG1);
    EXPECT_EQ(out()[out().size() - 2], "M9");
}

TEST_F(ThreadRepair, PassesLostToRoundingAreWrittenAndTheLastRunsAtFullDepth) {
    page.Edit_m_.setText("1");
    page.Edit_szc_.setText("0,4");
    measured("13", "0", "-3");
    checkAcceptCreate();
    EXPECT_EQ(v().passes, 3);
    EXPECT_EQ(count("G2 F300"), 3);
    EXPECT_TRUE(has("G1 X13,6667"));
    EXPECT_TRUE(has("G1 X13,3333"));
    EXPECT_TRUE(has("G1 X13,0000"));
}

TEST_F(ThreadRepair, LongThreadsGetEveryCircleAndAlwaysTheBackOff) {
    page.Edit_ml_.setText("40");
    page.CheckBox_szc_.setChecked(true);
    measured("12,5", "0", "-3");
    checkAcceptCreate();
    // from Z1,5 down to Z-39 in steps of 1,5: 28 circles
    EXPECT_EQ(count("G2 X12,5000"), 28);
    EXPECT_TRUE(has("G2 X12,5000 Y0,0000 Z-39,0000 I-12,5000 J0"));
    EXPECT_FALSE(has("G2 X12,5000 Y0,0000 Z-40,5000 I-12,5000 J0"));
    auto last = std::find(out().begin(), out().end(), "G2 X12,5000 Y0,0000 Z-39,0000 I-12,5000 J0");
    ASSERT_NE(last, out().end());
    EXPECT_EQ(*(last + 1), "G1 X15,5000");
    EXPECT_EQ(*(last + 2), "G1 Z3,0000");
}

// The cut must follow the old groove: wherever the tool was measured in it, the circles
// written pass that angle at the measured height, give or take whole pitches. The angle
// at which a circle passes is worked out from its own arc word (G2 clockwise, G3
// counter-clockwise, each starting at angle 0 and one pitch lower per turn).
TEST_F(ThreadRepair, EveryPassFollowsTheMeasuredGrooveForBothHandsAndEveryAngle) {
    const double kPi = 3.14159265358979323846;
    struct Point {
        const char *x, *y;  // as typed
        double dx, dy;
    };
    const Point points[] = {{"12,5", "0", 12.5, 0},           {"8,8388", "8,8388", 8.8388, 8.8388},
                            {"0", "12,5", 0, 12.5},           {"-12,5", "0", -12.5, 0},
                            {"-5", "-11,4564", -5, -11.4564}, {"0", "-12,5", 0, -12.5},
                            {"11,5", "-4,9", 11.5, -4.9}};
    for (int hand = 0; hand < 2; ++hand) {
        for (const Point& p : points) {
            SCOPED_TRACE(std::string(hand ? "left-hand at " : "right-hand at ") + p.x + " " + p.y);
            page.Button2.click();
            page.RadioGroup_cw_.setItemIndex(hand);
            measured(p.x, p.y, "-3,3");
            checkAcceptCreate();
            // the first arc word and the Z the passes start from
            auto arc = std::find_if(out().begin(), out().end(), [](const std::string& l) {
                return l == "G2 F300" || l == "G3 F300";
            });
            ASSERT_NE(arc, out().end());
            auto start = std::find_if(out().begin(), out().end(), [](const std::string& l) {
                return l.rfind("G1 Z", 0) == 0 && l.find(" F") != std::string::npos;
            });
            ASSERT_NE(start, out().end());
            std::string z = start->substr(4, start->find(' ', 4) - 4);
            std::replace(z.begin(), z.end(), ',', '.');
            const double startZ = std::stod(z);
            const bool clockwise = (*arc)[1] == '2';
            EXPECT_EQ(clockwise, hand == 0);
            // how far the tool turns from angle 0 to the measured angle, in turns
            double angle = std::atan2(p.dy, p.dx);
            if (angle < 0) angle += 2 * kPi;
            const double turned =
                clockwise ? std::fmod(2 * kPi - angle, 2 * kPi) / (2 * kPi) : angle / (2 * kPi);
            const double pitch = 1.5;
            const double atPoint = startZ - turned * pitch;
            const double off = std::remainder(atPoint - (-3.3), pitch);
            EXPECT_NEAR(off, 0, 2e-4) << "the cut misses the groove by " << off << " mm";
        }
    }
}

// The first move takes the tool out of the groove, wherever around the bolt it was
// measured: twice the depth outwards, before the rapid up.
TEST_F(ThreadRepair, TheToolLeavesTheGrooveOutwardsFromEveryMeasuredPoint) {
    struct Point {
        const char *x, *y;
        double dx, dy;
    };
    const Point points[] = {{"12,5", "0", 12.5, 0},
                            {"0", "12,5", 0, 12.5},
                            {"-12,5", "0", -12.5, 0},
                            {"0", "-12,5", 0, -12.5},
                            {"-8,8388", "-8,8388", -8.8388, -8.8388}};
    for (const Point& p : points) {
        SCOPED_TRACE(std::string(p.x) + " " + p.y);
        page.Button2.click();
        measured(p.x, p.y, "-3");
        checkAcceptCreate();
        auto first = std::find_if(out().begin(), out().end(),
                                  [](const std::string& l) { return l.rfind("G0 X", 0) == 0; });
        ASSERT_NE(first, out().end());
        std::string x = first->substr(4, first->find(' ', 4) - 4);
        std::string y = first->substr(first->find(" Y") + 2);
        std::replace(x.begin(), x.end(), ',', '.');
        std::replace(y.begin(), y.end(), ',', '.');
        // the part of the move along the radius through the measured point: twice the depth
        const double r = std::hypot(p.dx, p.dy);
        const double outwards = ((std::stod(x) - p.dx) * p.dx + (std::stod(y) - p.dy) * p.dy) / r;
        EXPECT_NEAR(outwards, 3, 1e-3) << "approach " << *first;
        // and the rapid up comes only after it
        EXPECT_EQ(*(first + 1), "G0 Z5,0000");
    }
    // the point of the worked example keeps its approach
    page.Button2.click();
    measured("12,5", "0", "-3");
    checkAcceptCreate();
    EXPECT_TRUE(has("G0 X15,5000 Y3,0000"));
}

TEST_F(ThreadRepair, AnOpenCheckShowsACorrectionAtOnce) {
    measured("12,5", "0", "-3");
    ASSERT_TRUE(click(page.Button4));  // "Ellenőrzés"
    ASSERT_TRUE(check.visible());
    EXPECT_EQ(check.Label9.caption(), "X14,0000");
    page.ScrollBar1.setPosition(502);  // two steps of the depth correction
    EXPECT_EQ(check.Label9.caption(), "X13,9960");
    page.ScrollBar2.setPosition(750);  // height +0,5
    EXPECT_EQ(check.Label13.caption(), "Z3,5000");
    // with the dialog closed nothing is worked out until it shows again
    check.setVisible(false);
    page.ScrollBar1.setPosition(500);
    EXPECT_EQ(check.Label9.caption(), "X13,9960");
}

TEST_F(ThreadRepair, LeftHandThreadCutsTheSamePassesCounterClockwise) {
    measured("12,5", "0", "-3");
    checkAcceptCreate();
    std::vector<std::string> right(out().begin(), out().end());
    page.Button2.click();
    page.RadioGroup_cw_.setItemIndex(1);
    checkAcceptCreate();
    ASSERT_EQ(out().size(), right.size());
    for (std::size_t i = 0; i < right.size(); ++i) {
        std::string expected = right[i];
        if (expected.rfind("G2 ", 0) == 0) expected[1] = '3';
        if (expected == "_cw_=0") expected = "_cw_=1";
        if (expected == "(forgásirány CW)") expected = "(forgásirány CCW)";
        EXPECT_EQ(out()[i], expected) << "line " << i + 1;
    }
}

}  // namespace
}  // namespace qorix

namespace qorix {
namespace {

TEST_F(ThreadRepair, PitchFarTooFineForTheLengthIsRefused) {
    measured("12,5", "0", "-3");
    page.Edit_zm_.setText("0,002");  // (2 × 3 + 10) / 0,002 = 8000 circles a pass
    ASSERT_TRUE(click(page.Button4));
    EXPECT_TRUE(dialogs.messages().empty());
    page.Edit_zm_.setText("0,001");  // 16000
    ASSERT_TRUE(click(page.Button4));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].text.find("legfeljebb 10000 kört"), std::string::npos);
    EXPECT_FALSE(check.Button1.enabled());
}

}  // namespace
}  // namespace qorix
