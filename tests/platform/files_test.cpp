// The file calls of both systems: a replace that works every time (also over a file that
// exists), bytes that come back as written, UTF-8 paths, and the fault hook of the tests.
#include "platform/files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#include "support/golden.h"

namespace qorix::test {
namespace {

std::string read(const std::string& path) {
    std::string bytes;
    EXPECT_EQ(platform::readFile(path, bytes), 0) << path;
    return bytes;
}

TEST(PlatformFiles, EveryWriteReplacesTheFileAndLeavesNothingBeside) {
    TempDir dir;
    const std::string path = dir.file("adatcsere.txt");
    for (const char* code : {"L", "E", "G\r\n", "L"}) {
        ASSERT_EQ(platform::replaceFile(path, code), 0) << code;
        EXPECT_EQ(read(path), code);
    }
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"adatcsere.txt"});
}

// No text mode anywhere: CR LF stays, CR CR LF never appears, Ctrl-Z ends nothing.
TEST(PlatformFiles, BytesComeBackExactlyAsWritten) {
    TempDir dir;
    const std::string path = dir.file("prog.tap");
    std::string bytes(
        "G0 X1\r\nM30\r\n\x1A"
        "after\n\rlast\0zero",
        31);
    ASSERT_EQ(platform::replaceFile(path, bytes), 0);
    EXPECT_EQ(read(path), bytes);
    EXPECT_EQ(readBytes(dir.path() / "prog.tap"), bytes);
}

TEST(PlatformFiles, Utf8PathsNameTheFilesTheySay) {
    TempDir dir;
    const std::string folder = dir.file("") + "kör ő/Wizards";
    ASSERT_EQ(platform::makeFolders(folder), 0);
    const std::string path = folder + "/átmérő.tap";
    ASSERT_EQ(platform::replaceFile(path, "M30\r\n"), 0);
    EXPECT_EQ(read(path), "M30\r\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(platform::pathOf(path)));
    EXPECT_EQ(platform::moveFile(path, folder + "/új.tap"), 0);
    EXPECT_EQ(read(folder + "/új.tap"), "M30\r\n");
    std::string none;
    EXPECT_EQ(platform::readFile(path, none), ENOENT);
    EXPECT_EQ(platform::removeFile(folder + "/új.tap"), 0);
    EXPECT_EQ(platform::removeFile(folder + "/új.tap"), ENOENT);
}

TEST(PlatformFiles, FailuresComeBackAsErrorNumbers) {
    TempDir dir;
    std::string bytes;
    EXPECT_EQ(platform::replaceFile(dir.file("missing") + "/file.txt", "L"), ENOENT);
    EXPECT_EQ(platform::readFile(dir.file("missing.txt"), bytes), ENOENT);
    EXPECT_EQ(platform::readFile(dir.path().string(), bytes), EISDIR);
    EXPECT_TRUE(filesIn(dir.path()).empty());
}

TEST(PlatformFiles, TheFaultHookFailsAWriteHalfWayAndKeepsTheEarlierFile) {
    TempDir dir;
    const std::string path = dir.file("prog.tap");
    ASSERT_EQ(platform::replaceFile(path, "G0 X1\r\n"), 0);
    platform::setFileSizeLimitForTests(4);
    EXPECT_EQ(platform::replaceFile(path, "G1 X10 Y10\r\n"), EFBIG);
    EXPECT_EQ(read(path), "G0 X1\r\n");
    EXPECT_EQ(platform::replaceFile(path, "G1\r\n"), 0);  // what fits is written
    platform::setFileSizeLimitForTests(std::nullopt);
    EXPECT_EQ(read(path), "G1\r\n");
    ASSERT_EQ(platform::replaceFile(path, "G0 X1\r\n"), 0);
    EXPECT_EQ(read(path), "G0 X1\r\n");
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"prog.tap"});
}

}  // namespace
}  // namespace qorix::test
