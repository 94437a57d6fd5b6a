// Test support: a folder that the test process may not write into, also when the tests run
// as root (whose file rights would otherwise override the folder's mode).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "support/golden.h"

#ifdef _WIN32
// Windows does not keep anyone from writing into a folder marked read-only (the rights are
// in access lists that a test cannot take from itself): such a test is skipped there.
#define QORIX_NEEDS_READ_ONLY_FOLDERS()                                                        \
    GTEST_SKIP() << "a read-only folder cannot be made on Windows (a folder's read-only mark " \
                    "does not stop writes)"
#else
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>
#define QORIX_NEEDS_READ_ONLY_FOLDERS() static_cast<void>(0)
#endif

namespace qorix::test {

#ifndef _WIN32
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::filesystem::path& folder) : folder_(folder) {
        chmod(folder_.c_str(), 0555);
        if (geteuid() == 0) setfsuid(65534);  // nobody: the folder's rights now hold
    }
    ~ReadOnlyFolder() {
        if (geteuid() == 0) setfsuid(0);
        chmod(folder_.c_str(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    std::filesystem::path folder_;
};
#else
// Not reached: the tests that need it are skipped first.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::filesystem::path&) {}
};
#endif

}  // namespace qorix::test
