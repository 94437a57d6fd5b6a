// The file calls on Linux and other POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

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

mode_t newFileMode() {
    mode_t m = umask(0);
    umask(m);
    return 0666 & ~m;
}

// A symbolic link's target, relative to the link's folder when it is relative.
int linkTarget(std::string& path) {
    std::string target(4096, '\0');
    ssize_t n = readlink(path.c_str(), target.data(), target.size());
    if (n < 0) return errno;
    if (n == 0 || static_cast<std::size_t>(n) >= target.size()) return ELOOP;
    target.resize(static_cast<std::size_t>(n));
    std::size_t slash = path.rfind('/');
    path = target[0] == '/' || slash == std::string::npos ? target
                                                          : path.substr(0, slash + 1) + target;
    return 0;
}

FileStamp stampOf(const struct stat& st) {
    return FileStamp{true, static_cast<std::uint64_t>(st.st_ino),
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                     static_cast<std::int64_t>(st.st_size)};
}

// Opened without waiting: a pipe put in a file's place must not stop the reader.
int openForLook(const std::string& path) {
    return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

// The small file behind an open descriptor; one byte more than the bound tells a file that
// grew meanwhile.
int readSmall(int fd, std::size_t bound, SmallFile& file) {
    struct stat st {};
    if (fstat(fd, &st) != 0) return errno;
    file = SmallFile{};
    file.stamp = stampOf(st);
    if (!S_ISREG(st.st_mode)) {
        file.kind = SmallFile::notRegular;
        return 0;
    }
    if (st.st_size > static_cast<off_t>(bound)) {
        file.kind = SmallFile::tooLarge;
        return 0;
    }
    // room for what the file holds now and one byte more; it grows only if the file does
    file.bytes.resize(std::min(static_cast<std::size_t>(st.st_size), bound) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == file.bytes.size()) {
            if (got > bound) break;
            file.bytes.resize(std::min(got * 2, bound + 1));
        }
        ssize_t n =
            pread(fd, file.bytes.data() + got, file.bytes.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    file.bytes.resize(got > bound ? 0 : got);
    if (got > bound) file.kind = SmallFile::tooLarge;
    return 0;
}

}  // namespace

int findWriteTarget(const std::string& path, WriteTarget& t) {
    t = WriteTarget{path};
    struct stat st {};
    for (int links = 0;; ++links) {
        if (lstat(t.path.c_str(), &st) != 0)
            return errno == ENOENT ? 0 : errno;  // a new file (the write checks the folder)
        if (!S_ISLNK(st.st_mode)) break;
        if (links == 40) return ELOOP;
        if (int err = linkTarget(t.path)) return err;
    }
    t.exists = true;
    t.regular = S_ISREG(st.st_mode);
    t.readOnly = (st.st_mode & 0222) == 0 || access(t.path.c_str(), W_OK) != 0;
    t.manyNames = st.st_nlink > 1;
    t.mode = st.st_mode & 07777;
    t.owner = st.st_uid;
    t.group = st.st_gid;
    return 0;
}

int replaceFile(const WriteTarget& target, std::string_view bytes) {
    std::string tmp = target.path + ".tmp-XXXXXX";
    int fd = mkstemp(tmp.data());
    if (fd < 0) return errno;
    int err = writeAll(fd, bytes);
    if (err == 0 && fsync(fd) != 0 && errno != EINVAL) err = errno;
    if (err == 0) {
        fchmod(fd, target.exists ? target.mode : newFileMode());
        if (target.exists && (target.owner != geteuid() || target.group != getegid()))
            (void)!fchown(fd, target.owner, target.group);
    }
    if (close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && rename(tmp.c_str(), target.path.c_str()) != 0) err = errno;
    if (err != 0) unlink(tmp.c_str());
    return err;
}

int replaceFile(const std::string& path, std::string_view bytes) {
    return replaceFile(WriteTarget{path}, bytes);
}

FileStamp stampOf(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? stampOf(st) : FileStamp{};
}

int readSmallFile(const std::string& path, std::size_t bound, SmallFile& file) {
    int fd = openForLook(path);
    if (fd < 0) return errno;
    int err = readSmall(fd, bound, file);
    close(fd);
    return err;
}

ReplacedFile::ReplacedFile(std::string path, std::size_t bound)
    : path_(std::move(path)), bound_(bound) {}

ReplacedFile::~ReplacedFile() {
    if (held_ >= 0) close(held_);
}

bool ReplacedFile::look(SmallFile& file, int& error) {
    int fd = openForLook(path_);
    if (fd < 0) return false;
    struct stat st {};
    FileStamp now = fstat(fd, &st) == 0 ? stampOf(st) : FileStamp{};
    if (now == last_) {
        close(fd);
        return false;
    }
    if (held_ >= 0) close(held_);
    held_ = fd;
    last_ = now;
    error = readSmall(fd, bound_, file);
    return true;
}

int readFile(const std::string& path, std::string& bytes) {
    // without waiting: a pipe put in a file's place must not stop the reader
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    bytes.clear();
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size < kReserveAtMost)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
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

std::string configFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    return std::string(home) + "/.config";
}

}  // namespace qorix::platform
