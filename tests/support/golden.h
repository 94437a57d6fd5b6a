// Test support: golden programs, line-by-line comparison and temporary folders.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace qorix::test {

// The lines of a UTF-8 text file with LF ends (the golden programs).
std::vector<std::string> readTextLines(const std::filesystem::path& path);
std::string readBytes(const std::filesystem::path& path);
// The same for a UTF-8 path (on Windows a plain std::string would be taken as ANSI).
std::string readBytes(const std::string& path);
std::string readBytes(const char* path);
std::filesystem::path goldenDir();
// The names of the files in a folder (UTF-8), sorted.
std::vector<std::string> filesIn(const std::filesystem::path& folder);
// A path as UTF-8, on every system.
std::string utf8(const std::filesystem::path& path);

// Equal line for line; a failure names the first differing line.
::testing::AssertionResult sameLines(const std::vector<std::string>& actual,
                                     const std::vector<std::string>& expected);

// A fresh folder, removed at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    // The path of a file in it, UTF-8 (the name too).
    std::string file(const std::string& name) const;

private:
    std::filesystem::path path_;
};

}  // namespace qorix::test
