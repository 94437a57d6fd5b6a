// Test support: a disk with room for only so many bytes in any one file, until the end of
// the scope. On Linux a real file size limit (its signal ignored, so that the write fails
// with EFBIG); on Windows, which has no such limit, the text-file writer's fault hook.
#pragma once

#include <cstddef>

#ifdef _WIN32
#include "platform/files.h"
#else
#include <sys/resource.h>

#include <csignal>
#endif

namespace qorix::test {

class FullDisk {
public:
    explicit FullDisk(std::size_t bytes) {
#ifdef _WIN32
        platform::setFileSizeLimitForTests(bytes);
#else
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
#endif
    }
    ~FullDisk() {
#ifdef _WIN32
        platform::setFileSizeLimitForTests(std::nullopt);
#else
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
#endif
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
#ifndef _WIN32
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
#endif
};

}  // namespace qorix::test
