// The file calls on Linux and other POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>

#include "platform/files.h"

namespace qorix::platform {

namespace {

std::optional<std::size_t> sizeLimit;

// Writes all bytes, or as many as the test limit allows; returns 0 or the error number.
int writeAll(int fd, std::string_view bytes) {
    std::size_t room = sizeLimit ? *sizeLimit : bytes.size();
    const char* p = bytes.data();
    std::size_t left = std::min(bytes.size(), room);
    while (left > 0) {
        ssize_t n = write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return bytes.size() > room ? EFBIG : 0;
}

mode_t currentUmask() {
    mode_t m = umask(0);
    umask(m);
    return m;
}

}  // namespace

int replaceFile(const std::string& path, std::string_view bytes) {
    std::string tmp = path + ".tmp-XXXXXX";
    int fd = mkstemp(tmp.data());
    if (fd < 0) return errno;
    int err = writeAll(fd, bytes);
    if (err == 0 && fsync(fd) != 0 && errno != EINVAL) err = errno;
    if (err == 0) fchmod(fd, 0666 & ~currentUmask());
    if (close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && rename(tmp.c_str(), path.c_str()) != 0) err = errno;
    if (err != 0) unlink(tmp.c_str());
    return err;
}

int readFile(const std::string& path, std::string& bytes) {
    // without waiting: a pipe put in a file's place must not stop the reader
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    bytes.clear();
    char buf[65536];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            close(fd);
            return err;
        }
        if (n == 0) break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    close(fd);
    return 0;
}

int moveFile(const std::string& from, const std::string& to) {
    return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int removeFile(const std::string& path) { return unlink(path.c_str()) == 0 ? 0 : errno; }

int makeFolders(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return error ? error.default_error_condition().value() : 0;
}

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }
std::FILE* openForReading(const std::string& path) { return std::fopen(path.c_str(), "rb"); }

void setFileSizeLimitForTests(std::optional<std::size_t> bytes) { sizeLimit = bytes; }

}  // namespace qorix::platform
