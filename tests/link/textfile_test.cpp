// Text files on disk: Windows-1250 bytes, CR LF, "?" for what the code page cannot hold,
// the three line ends when reading, and a failed write that leaves the earlier file as it was.
#include "link/textfile.h"

#include <gtest/gtest.h>

#include <fstream>

#include "link/fileguard.h"
#include "support/fulldisk.h"
#include "support/golden.h"

namespace qorix::test {
namespace {

void putBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(TextFile, LinesEndWithCrLfInWindows1250) {
    TempDir dir;
    std::string path = dir.file("prog.tap");
    textfile::writeLines(path, {"(Fúrás kör mentén)", "", "G0 X1,5000"});
    EXPECT_EQ(readBytes(path), "(F\xFAr\xE1s k\xF6r ment\xE9n)\r\n\r\nG0 X1,5000\r\n");
}

TEST(TextFile, EveryHungarianLetterRoundTrips) {
    TempDir dir;
    std::string path = dir.file("a.txt");
    std::string text = "ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP árvíztűrő tükörfúrógép";
    textfile::writeLines(path, {text});
    EXPECT_EQ(readBytes(path),
              "\xC1RV\xCDZT\xDBR\xD5 T\xDCK\xD6RF\xDAR\xD3G\xC9P \xE1rv\xEDzt\xFBr\xF5 "
              "t\xFCk\xF6rf\xFAr\xF3g\xE9p\r\n");
    EXPECT_EQ(textfile::readLines(path), std::vector<std::string>{text});
}

TEST(TextFile, ACharacterTheCodePageCannotHoldBecomesAQuestionMark) {
    TempDir dir;
    std::string path = dir.file("a.txt");
    textfile::writeLines(path, {"a→b 日 😀 €"});
    EXPECT_EQ(readBytes(path), "a?b ? ? \x80\r\n");
}

TEST(TextFile, AnEmptyProgramIsAnEmptyFile) {
    TempDir dir;
    std::string path = dir.file("empty.tap");
    textfile::writeLines(path, {});
    EXPECT_EQ(readBytes(path), "");
}

TEST(TextFile, RawBytesAreWrittenAsGivenAndReplaceTheWholeFile) {
    TempDir dir;
    std::string path = dir.file("adatcsere.txt");
    putBytes(path, "G\r\nsomething longer");
    textfile::writeBytes(path, "L");
    EXPECT_EQ(readBytes(path), "L");
}

TEST(TextFile, ReadingSplitsAtCrLfCrAndLf) {
    TempDir dir;
    std::string path = dir.file("GetXYZ.txt");
    putBytes(path, "x1\r\ny2\rz3\n\nlast");
    EXPECT_EQ(textfile::readLines(path), (std::vector<std::string>{"x1", "y2", "z3", "", "last"}));
    putBytes(path, "a\r\n\r\n");
    EXPECT_EQ(textfile::readLines(path), (std::vector<std::string>{"a", ""}));
    putBytes(path, "\xE9l");
    EXPECT_EQ(textfile::readLines(path), std::vector<std::string>{"él"});
}

TEST(TextFile, AMissingFileCannotBeRead) {
    TempDir dir;
    std::string path = dir.file("GetXYZ.txt");
    try {
        textfile::readLines(path);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "A(z) „" + path +
                                             "” fájl nem olvasható: a mappa vagy a fájl nem "
                                             "létezik.");
    }
}

TEST(TextFile, AWriteIntoAMissingFolderNamesTheFileAndTheReason) {
    TempDir dir;
    std::string path = dir.file("nincs/file.txt");
    try {
        textfile::writeLines(path, {"x"});
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "A(z) „" + path + "” fájl nem írható: a mappa vagy a fájl nem létezik.");
    }
    EXPECT_TRUE(filesIn(dir.path()).empty());
}

TEST(TextFile, AWriteIntoAReadOnlyFolderLeavesTheEarlierFile) {
    QORIX_NEEDS_READ_ONLY_FOLDERS();
    TempDir dir;
    std::string path = dir.file("prog.tap");
    putBytes(path, "G0 X1\r\n");
    {
        ReadOnlyFolder guard(dir.path());
        try {
            textfile::writeLines(path, {"G0 X2"});
            FAIL() << "no error";
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "A(z) „" + path + "” fájl nem írható: nincs hozzá jogosultság.");
        }
        EXPECT_THROW(textfile::writeBytes(path, "E"), FileError);
    }
    EXPECT_EQ(readBytes(path), "G0 X1\r\n");
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"prog.tap"});
}

// The disk fills up half way through the program: the earlier program stays whole and no
// piece of the new one is left in the folder.
TEST(TextFile, AWriteThatFailsHalfWayLeavesTheEarlierFile) {
    TempDir dir;
    std::string path = dir.file("prog.tap");
    putBytes(path, "G0 X1\r\n");
    std::vector<std::string> lines(2000, "G1 X10,0000 Y10,0000 F200");
    bool failed = false;
    std::string message;
    try {
        FullDisk disk(4096);
        textfile::writeLines(path, lines);
    } catch (const FileError& e) {
        failed = true;
        message = e.what();
    }
    EXPECT_TRUE(failed);
    EXPECT_EQ(message, "A(z) „" + path + "” fájl nem írható: a fájl túl nagy.");
    EXPECT_EQ(readBytes(path), "G0 X1\r\n");
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"prog.tap"});
}

}  // namespace
}  // namespace qorix::test
