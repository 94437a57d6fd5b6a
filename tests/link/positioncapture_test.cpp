// The position capture dialog: readings from "GetXYZ.txt", the request to QORIX, failures,
// and the acceptance flag that the thread repair page polls.
#include "link/positioncapture.h"

#include <gtest/gtest.h>

#include <fstream>

#include "link/aboutbox.h"
#include "support/golden.h"
#include "support/storeservices.h"
#include "ui/event.h"

namespace qorix::test {
namespace {

class Capture : public ::testing::Test, protected test::StoreServices {
protected:
    TempDir dir;
    PositionCaptureDialog capture{services};
    CapturedPosition captured;  // where the thread page takes an accepted position

    void SetUp() override {
        store.dataPath = dir.file("adatcsere.txt");
        store.positionPath = dir.file("GetXYZ.txt");
        capture.showForCapture(captured);
    }
    // QORIX's answer to the next request; without QORIX the file is simply there
    void position(const std::string& bytes) {
        if (store.standalone == 1)
            std::ofstream(dir.file("GetXYZ.txt"), std::ios::binary) << bytes;
        else
            sleeper.answerWith(dir.file("GetXYZ.txt"), bytes);
    }
    bool read() {
        dialogs.clearMessages();
        return ui::runEvent(dialogs, [&] { capture.Button1.click(); });
    }
};

TEST_F(Capture, HasItsCaptionAndStartsHiddenWithAcceptanceOff) {
    PositionCaptureDialog fresh(services);
    EXPECT_EQ(fresh.caption(), "Bemérés");
    EXPECT_FALSE(fresh.visible());
    EXPECT_EQ(fresh.Button1.caption(), "XYZ értékek beolvasása");
    EXPECT_TRUE(fresh.Button1.enabled());
    EXPECT_EQ(fresh.Button2.caption(), "Adatok rendben");
    EXPECT_FALSE(fresh.Button2.enabled());
    EXPECT_EQ(fresh.Label1.caption(), "X pozíció:");
    EXPECT_EQ(fresh.Label3.caption(), "Z pozíció:");
}

TEST_F(Capture, ReadingAsksQorixWaitsAndShowsThePosition) {
    position("X: 12.5\r\nY: -0,25\r\nZ: -3\r\n");
    ASSERT_TRUE(read());
    EXPECT_EQ(readBytes(dir.file("adatcsere.txt")), "G\r\n");
    EXPECT_EQ(sleeper.waits(), (std::vector<int>{50, 600}));
    EXPECT_EQ(capture.Memo1.lines(), (std::vector<std::string>{"12,5000", "-0,2500", "-3,0000"}));
    EXPECT_EQ(store.xPos, 12.5L);
    EXPECT_EQ(store.yPos, -0.25L);
    EXPECT_TRUE(capture.Button2.enabled());
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(Capture, SecondReadingReplacesTheFirst) {
    position("1\n2\n3\n");
    ASSERT_TRUE(read());
    position("4\n5\n6\n");
    ASSERT_TRUE(read());
    EXPECT_EQ(capture.Memo1.lines(), (std::vector<std::string>{"4,0000", "5,0000", "6,0000"}));
}

// The zeros stay, and a warning says that nobody measured them.
TEST_F(Capture, MissingPositionFileGivesZerosWithAWarning) {
    ASSERT_TRUE(read());
    EXPECT_EQ(capture.Memo1.lines(), (std::vector<std::string>{"0,0000", "0,0000", "0,0000"}));
    EXPECT_TRUE(capture.Button2.enabled());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, "Figyelmeztetés");
    EXPECT_NE(dialogs.messages()[0].text.find("nem mért érték"), std::string::npos);
}

TEST_F(Capture, ShortPositionFileShowsTheErrorAndLeavesTheBoxEmpty) {
    position("1\n2\n3\n");
    ASSERT_TRUE(read());
    capture.showForCapture(captured);
    position("12.5\r\n0\r\n");
    EXPECT_FALSE(read());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, ui::kFailureCaption);
    EXPECT_TRUE(capture.Memo1.lines().empty());
    EXPECT_FALSE(capture.Button2.enabled());
}

TEST_F(Capture, LineWithoutDigitsShowsTheError) {
    position("X\r\n0\r\n0\r\n");
    EXPECT_FALSE(read());
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(capture.Memo1.lines().empty());
}

TEST_F(Capture, StandaloneReadsWhatTheFileHoldsWithoutAsking) {
    store.standalone = 1;
    position("7\n8\n9\n");
    ASSERT_TRUE(read());
    EXPECT_FALSE(std::filesystem::exists(dir.file("adatcsere.txt")));
    EXPECT_EQ(capture.Memo1.lines(), (std::vector<std::string>{"7,0000", "8,0000", "9,0000"}));
}

TEST_F(Capture, AcceptanceRaisesTheFlagAndCloses) {
    position("1\n2\n3\n");
    ASSERT_TRUE(read());
    ASSERT_TRUE(capture.Button2.click());
    EXPECT_TRUE(captured.accepted);
    EXPECT_EQ(captured.z, 3);
    EXPECT_FALSE(capture.visible());
}

TEST_F(Capture, ShowingForACaptureEmptiesTheBoxAndTurnsAcceptanceOff) {
    position("1\n2\n3\n");
    ASSERT_TRUE(read());
    capture.setVisible(false);  // closed by its frame: no flag
    EXPECT_FALSE(captured.accepted);
    capture.showForCapture(captured);
    EXPECT_TRUE(capture.visible());
    EXPECT_TRUE(capture.Memo1.lines().empty());
    EXPECT_FALSE(capture.Button2.enabled());
}

}  // namespace
}  // namespace qorix::test
