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
std::filesystem::path goldenDir();

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
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

}  // namespace qorix::test
