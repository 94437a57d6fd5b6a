// The file calls of both systems: a replace that works every time (also over a file that
// exists), bytes that come back as written, UTF-8 paths, and the fault hook of the tests.
#include "platform/files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#include "support/golden.h"

#ifdef _WIN32
#include <windows.h>

#include <thread>

#include "platform/wide.h"
#endif

namespace qorix::test {
namespace {

std::string read(const std::string& path) {
    std::string bytes;
    EXPECT_EQ(platform::readFile(path, bytes), 0) << path;
    return bytes;
}

// A four-byte program read under a bound of 256 MiB once took that much memory and a second.
TEST(PlatformFiles, ASmallFileTakesRoomForItsSizeNotForTheBound) {
    TempDir dir;
    const std::string path = dir.file("kicsi.tap");
    ASSERT_EQ(platform::replaceFile(path, "M30\n"), 0);
    platform::SmallFile file;
    ASSERT_EQ(platform::readSmallFile(path, std::size_t{256} << 20, file), 0);
    EXPECT_EQ(file.bytes, "M30\n");
    EXPECT_LT(file.bytes.capacity(), 4096u);
    ASSERT_EQ(platform::readSmallFile(path, 3, file), 0);
    EXPECT_EQ(file.kind, platform::SmallFile::tooLarge);
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
    static constexpr char kBytes[] =
        "G0 X1\r\nM30\r\n\x1A"
        "after\n\rlast\0zero";
    const std::string bytes(kBytes, sizeof kBytes - 1);  // the zero byte too
    ASSERT_EQ(bytes.size(), 29u);
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

// QORIX may hold the file a moment while it reads it (on Windows, a file open without sharing
// cannot be replaced): the replace is tried again until the file is let go.
TEST(PlatformFiles, AReplaceWaitsForAFileHeldAMoment) {
#ifndef _WIN32
    GTEST_SKIP() << "POSIX replaces a file that another program holds open";
#else
    TempDir dir;
    const std::string path = dir.file("file.txt");
    ASSERT_EQ(platform::replaceFile(path, "régi\r\n"), 0);
    HANDLE held = CreateFileW(platform::widen(path).c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread letGo([held] {
        Sleep(300);
        CloseHandle(held);
    });
    EXPECT_EQ(platform::replaceFile(path, "új\r\n"), 0);
    letGo.join();
    EXPECT_EQ(read(path), "új\r\n");
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"file.txt"});
#endif
}

// The stand-in's watch of "adatcsere.txt": every replace is a new write, also one with the
// same bytes at once after the last; a write seen is not read again; the watched file can be
// replaced at any time (on Windows nothing of it stays open).
TEST(PlatformFiles, AWatchedFileSeesEveryReplaceOnce) {
    TempDir dir;
    const std::string path = dir.file("adatcsere.txt");
    platform::ReplacedFile watch(path, 8192);
    platform::SmallFile file;
    int error = -1;
    EXPECT_FALSE(watch.look(file, error));  // nothing there yet
    for (const char* code : {"L", "G", "G", "G\r\n", "E"}) {
        ASSERT_EQ(platform::replaceFile(path, code), 0) << code;
        ASSERT_TRUE(watch.look(file, error)) << code;
        EXPECT_EQ(error, 0);
        EXPECT_EQ(file.kind, platform::SmallFile::regular);
        EXPECT_EQ(file.bytes, code);
        EXPECT_FALSE(watch.look(file, error)) << code;
    }
    EXPECT_EQ(platform::removeFile(path), 0);
    EXPECT_FALSE(watch.look(file, error));
    EXPECT_TRUE(filesIn(dir.path()).empty());
}

// A larger file than the bound is told apart without its bytes.
TEST(PlatformFiles, ASmallFileReadStopsAtItsBound) {
    TempDir dir;
    const std::string path = dir.file("GetXYZ.txt");
    ASSERT_EQ(platform::replaceFile(path, "1\r\n2\r\n3\r\n"), 0);
    platform::SmallFile file;
    ASSERT_EQ(platform::readSmallFile(path, 9, file), 0);
    EXPECT_EQ(file.kind, platform::SmallFile::regular);
    EXPECT_EQ(file.bytes, "1\r\n2\r\n3\r\n");
    EXPECT_EQ(file.stamp, platform::stampOf(path));
    EXPECT_EQ(file.stamp.size, 9);
    ASSERT_EQ(platform::readSmallFile(path, 8, file), 0);
    EXPECT_EQ(file.kind, platform::SmallFile::tooLarge);
    EXPECT_EQ(file.bytes, "");
    EXPECT_EQ(platform::readSmallFile(dir.file("nincs.txt"), 8, file), ENOENT);
    ASSERT_EQ(platform::readSmallFile(dir.path().string(), 8, file), 0);
    EXPECT_EQ(file.kind, platform::SmallFile::notRegular);
}

}  // namespace
}  // namespace qorix::test
