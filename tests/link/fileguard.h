// Test support: a folder that the test process may not write into, also when the tests run
// as root (whose file rights would otherwise override the folder's mode).
#pragma once

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/golden.h"

namespace qorix::test {

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

}  // namespace qorix::test
