// Test support: the kinds of file that only POSIX systems put in a folder (a named pipe, a
// device behind a symbolic link, a mode of nine bits). Windows has no pipes or devices in a
// folder, keeps no such mode, and makes a symbolic link only with administrator rights: a
// test of them is skipped there with its reason.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace qorix::test {

#ifdef _WIN32
inline constexpr bool kPosixFiles = false;
inline int mkfifo(const char*, int) { return -1; }
#else
inline constexpr bool kPosixFiles = true;
#endif

#define QORIX_NEEDS_POSIX_FILES()                                                            \
    if (!::qorix::test::kPosixFiles)                                                         \
    GTEST_SKIP() << "Windows puts no pipe or device in a folder, keeps no POSIX file mode, " \
                    "and makes a symbolic link only with administrator rights"

// The file's mode bits, and a new mode (on Windows only the read-only mark follows it).
inline unsigned modeOf(const std::filesystem::path& path) {
    return static_cast<unsigned>(std::filesystem::status(path).permissions()) & 07777;
}
inline void setMode(const std::filesystem::path& path, unsigned mode) {
    std::filesystem::permissions(path, static_cast<std::filesystem::perms>(mode));
}

}  // namespace qorix::test
