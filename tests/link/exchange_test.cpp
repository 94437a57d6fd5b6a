// The exchange files with QORIX, on the bytes on disk in a fresh folder: the one-byte codes,
// the command and position requests, the "MDI" button, the position file and its numbers.
#include "link/exchange.h"

#include <gtest/gtest.h>

#include <fstream>

#include "link/aboutbox.h"
#include "link/fileguard.h"
#include "link/textfile.h"
#include "support/golden.h"
#include "ui/event.h"

namespace qorix::test {
namespace {

using Lines = std::vector<std::string>;

void putBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct ExchangeTest : ::testing::Test {
    TempDir dir;
    std::filesystem::path folder = dir.path() / "Wizards" / "Kombinat";
    NumberText num{','};
    RecordingSleeper sleeper;
    AboutBox box{num, sleeper};
    ui::RecordingDialogs dialogs;

    ExchangeTest() {
        std::filesystem::create_directories(folder);
        exchange::storeExchangePaths(box, dir.path().string());
    }
    std::string file(const char* name) const { return (folder / name).string(); }
    // A press of the "MDI" button as the user makes it.
    bool pressMdi(const std::string& command) {
        box.Edit1.setText(command);
        return ui::runEvent(dialogs, [&] { box.Button1.click(); });
    }
};

TEST_F(ExchangeTest, PathsLieInTheExchangeFolderOfTheInstallFolder) {
    const std::string sep(1, kPathSeparator);
    std::string base = dir.path().string() + sep + "Wizards" + sep + "Kombinat" + sep;
    EXPECT_EQ(box.commandPath, base + "command.txt");
    EXPECT_EQ(box.dataPath, base + "adatcsere.txt");
    EXPECT_EQ(box.filePath, base + "file.txt");
    EXPECT_EQ(box.positionPath, base + "GetXYZ.txt");
    // no folder given: the same default folder as the desktop program's
    EXPECT_EQ(exchange::exchangeFolder(""), exchangePaths(defaultInstallFolder()).folder);
#ifndef _WIN32
    EXPECT_EQ(exchange::exchangeFolder("").find('\\'), std::string::npos);
#endif
    EXPECT_EQ(exchange::exchangeFolder("/opt/qorix/"), "/opt/qorix/Wizards" + sep + "Kombinat");
}

TEST_F(ExchangeTest, LoadAndEndCodesAreOneByteEach) {
    putBytes(file("adatcsere.txt"), "G\r\n");
    exchange::writeLoadCode(box);
    EXPECT_EQ(readBytes(file("adatcsere.txt")), "L");
    exchange::writeEndCode(box);
    EXPECT_EQ(readBytes(file("adatcsere.txt")), "E");
}

TEST_F(ExchangeTest, FileTxtHoldsTheProgramPathInWindows1250) {
    exchange::writeProgramPath(box, "/munka/körív.tap");
    EXPECT_EQ(readBytes(file("file.txt")), "/munka/k\xF6r\xEDv.tap\r\n");
}

TEST_F(ExchangeTest, WriteAdatFileWritesTheCodeAsALineThenWaitsAndLogs) {
    box.WriteAdatFile("C");
    EXPECT_EQ(readBytes(file("adatcsere.txt")), "C\r\n");
    EXPECT_EQ(sleeper.waits(), std::vector<int>{50});
    EXPECT_EQ(box.Memo2.lines(), Lines{"WriteAdatFile: C"});
}

TEST_F(ExchangeTest, MdiSendsTheCommandThenAsksForThePosition) {
    putBytes(file("GetXYZ.txt"), "X: 12.345 mm\r\nY: -0.5\r\nZ: 1 234.5\r\n");
    EXPECT_TRUE(pressMdi("G0 X10 (fúrás)"));
    EXPECT_EQ(readBytes(file("command.txt")), "G0 X10 (f\xFAr\xE1s)\r\n");
    EXPECT_EQ(readBytes(file("adatcsere.txt")), "G\r\n");
    EXPECT_EQ(box.Memo3.lines(), Lines{"G0 X10 (fúrás)"});
    EXPECT_EQ(box.Memo1.lines(), (Lines{"X: 12.345 mm", "Y: -0.5", "Z: 1 234.5"}));
    EXPECT_EQ(sleeper.waits(), (std::vector<int>{50, 50, 50, 50, 600}));
    EXPECT_TRUE(
        sameLines(box.Memo2.lines(),
                  {"WriteCommanFile: G0 X10 (fúrás)", "WriteAdatFile: C", "ReadGetXYZ();",
                   "WriteAdatFile: G", "ConvertDot: 12,345", "ConvertDot: -0,5",
                   "ConvertDot: 1234,5", "X_pos= 12,3450", "Y_pos= -0,5000", "Z_pos= 1234,5000"}));
    EXPECT_EQ(box.xPos, 12.345L);
    EXPECT_EQ(box.yPos, -0.5L);
    EXPECT_EQ(box.zPos, 1234.5L);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(ExchangeTest, MdiWithAnEmptyFieldWritesAndLogsNothing) {
    EXPECT_TRUE(pressMdi(""));
    EXPECT_TRUE(filesIn(folder).empty());
    EXPECT_TRUE(box.Memo2.lines().empty());
    EXPECT_TRUE(sleeper.waits().empty());
}

TEST_F(ExchangeTest, StandaloneWritesNothingButStillWaitsAndReadsThePosition) {
    box.standalone = 1;
    putBytes(file("GetXYZ.txt"), "1,5\r\n2\r\n-3\r\n");
    box.WriteAdatFile("C");
    box.WriteCommanFile("G0 X1");
    EXPECT_TRUE(box.Memo2.lines().empty());
    EXPECT_TRUE(sleeper.waits().empty());
    EXPECT_TRUE(pressMdi("G0 X1"));
    EXPECT_EQ(filesIn(folder), Lines{"GetXYZ.txt"});
    EXPECT_TRUE(box.Memo3.lines().empty());
    EXPECT_EQ(sleeper.waits(), std::vector<int>{600});
    EXPECT_TRUE(sameLines(box.Memo2.lines(),
                          {"ReadGetXYZ();", "ConvertDot: 1,5", "ConvertDot: 2", "ConvertDot: -3",
                           "X_pos= 1,5000", "Y_pos= 2,0000", "Z_pos= -3,0000"}));
}

TEST_F(ExchangeTest, AMissingPositionFileGivesZerosAndNoMessage) {
    box.xPos = 5;
    box.Memo1.add("régi");
    EXPECT_TRUE(ui::runEvent(dialogs, [&] { box.ReadGetXYZ(); }));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(box.xPos, 0);
    EXPECT_EQ(box.xPosText, "0,0000");
    EXPECT_EQ(box.yPosText, "0,0000");
    EXPECT_EQ(box.zPosText, "0,0000");
    EXPECT_EQ(box.Memo2.lines().back(), "Z_pos= 0,0000");
}

TEST_F(ExchangeTest, FewerThanThreeLinesShowAnErrorAndKeepTheTexts) {
    box.xPosText = box.yPosText = box.zPosText = "9,0000";
    box.zPos = 9;
    putBytes(file("GetXYZ.txt"), "1.5\r\n2.5\r\n");
    EXPECT_FALSE(ui::runEvent(dialogs, [&] { box.ReadGetXYZ(); }));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(
        dialogs.messages()[0],
        (ui::Message{"QORIX varázslók",
                     "A(z) „" + file("GetXYZ.txt") +
                         "” fájlnak csak 2 sora van; a pozícióhoz három sor kell (X, Y, Z)."}));
    EXPECT_EQ(box.xPos, 1.5L);
    EXPECT_EQ(box.yPos, 2.5L);
    EXPECT_EQ(box.zPos, 0);
    EXPECT_EQ(box.xPosText, "9,0000");
    EXPECT_EQ(box.zPosText, "9,0000");
    EXPECT_EQ(box.Memo2.lines().back(), "ConvertDot: 2,5");
}

TEST_F(ExchangeTest, ALineWithoutDigitsShowsAnErrorAndKeepsTheTexts) {
    box.xPosText = "9,0000";
    putBytes(file("GetXYZ.txt"), "X: --- mm\r\n2\r\n3\r\n");
    EXPECT_FALSE(pressMdi("M3"));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, "QORIX varázslók");
    EXPECT_EQ(dialogs.messages()[0].text, "„---” nem érvényes szám.");
    EXPECT_EQ(box.xPosText, "9,0000");
    EXPECT_EQ(box.xPos, 0);

    dialogs.clearMessages();
    putBytes(file("GetXYZ.txt"), "\r\n2\r\n3\r\n");
    EXPECT_FALSE(pressMdi("M3"));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, "A(z) „” pozíciósor első 15 karakterében nincs szám.");
    EXPECT_EQ(box.xPosText, "9,0000");
}

TEST_F(ExchangeTest, ConvertDotKeepsDigitsSeparatorAndMinusOfTheFirst15Characters) {
    EXPECT_EQ(box.ConvertDot("X: 12.345 mm"), 12.345L);
    EXPECT_EQ(box.ConvertDot("-0.5"), -0.5L);
    EXPECT_EQ(box.ConvertDot("1 234.5"), 1234.5L);
    EXPECT_EQ(box.ConvertDot("12345678901234567890"), 123456789012345.0L);
    EXPECT_EQ(box.ConvertDot("Ő: 3,25"), 3.25L);  // an accented letter is one character
    EXPECT_EQ(box.ConvertDot("ŐŐŐŐŐŐŐŐŐŐŐŐŐŐ7 8"), 7);
    EXPECT_TRUE(sameLines(box.Memo2.lines(),
                          {"ConvertDot: 12,345", "ConvertDot: -0,5", "ConvertDot: 1234,5",
                           "ConvertDot: 123456789012345", "ConvertDot: 3,25", "ConvertDot: 7"}));
}

// Under dot settings a position that QORIX writes with a dot or with a comma reads the same.
TEST(ExchangeDotSettings, ConvertDotReadsDotAndCommaWithTheRunsSeparator) {
    NumberText dot('.');
    RecordingSleeper sleeper;
    AboutBox box(dot, sleeper);
    EXPECT_EQ(box.ConvertDot("X: 12.345 mm"), 12.345L);
    EXPECT_EQ(box.ConvertDot("-0,5"), -0.5L);
    EXPECT_EQ(box.Memo2.lines(), (Lines{"ConvertDot: 12.345", "ConvertDot: -0.5"}));
}

TEST_F(ExchangeTest, AWriteIntoAMissingFolderShowsTheErrorAndLogsNothing) {
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(pressMdi("G0 X1"));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(
        dialogs.messages()[0].text,
        "A(z) „" + file("command.txt") + "” fájl nem írható: a mappa vagy a fájl nem létezik.");
    EXPECT_TRUE(box.Memo2.lines().empty());
    EXPECT_TRUE(sleeper.waits().empty());
    EXPECT_THROW(exchange::writeEndCode(box), FileError);
}

TEST_F(ExchangeTest, AWriteIntoAReadOnlyFolderLeavesTheEarlierFiles) {
    QORIX_NEEDS_READ_ONLY_FOLDERS();
    putBytes(file("adatcsere.txt"), "E");
    putBytes(file("command.txt"), "M5\r\n");
    {
        ReadOnlyFolder guard(folder);
        EXPECT_FALSE(pressMdi("G0 X1"));
        EXPECT_THROW(exchange::writeLoadCode(box), FileError);
        EXPECT_THROW(exchange::writeProgramPath(box, "/p.tap"), FileError);
    }
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text,
              "A(z) „" + file("command.txt") + "” fájl nem írható: nincs hozzá jogosultság.");
    EXPECT_EQ(readBytes(file("adatcsere.txt")), "E");
    EXPECT_EQ(readBytes(file("command.txt")), "M5\r\n");
    EXPECT_EQ(filesIn(folder), (Lines{"adatcsere.txt", "command.txt"}));
}

}  // namespace
}  // namespace qorix::test
