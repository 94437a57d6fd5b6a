#include "link/textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>

#include "platform/cp1250.h"

namespace qorix {

namespace {
std::string fileMessage(const std::string& path, bool reading, const std::string& why) {
    return "A(z) „" + path + "” fájl " + (reading ? "nem olvasható" : "nem írható") + ": " + why +
           ".";
}
constexpr const char* kNotRegular = "nem közönséges fájl, hanem mappa, csővezeték vagy eszköz";
}  // namespace

FileError::FileError(const std::string& path, int errorNumber, bool reading)
    : Error(fileMessage(path, reading, textfile::reason(errorNumber))), errno_(errorNumber) {}

FileError::FileError(const std::string& path, const std::string& why, bool reading)
    : Error(fileMessage(path, reading, why)), errno_(0) {}

namespace textfile {

namespace {

// Length of the UTF-8 sequence that starts the text (1 for a stray byte).
std::size_t utf8Unit(std::string_view s) {
    unsigned char c = static_cast<unsigned char>(s[0]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    for (std::size_t i = 1; i < n; ++i)
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) >> 6) != 2) return i;
    return n;
}

// A symbolic link's target, relative to the link's folder when it is relative.
std::string linkTarget(const std::string& link) {
    std::string target(4096, '\0');
    ssize_t n = readlink(link.c_str(), target.data(), target.size());
    if (n < 0 || static_cast<std::size_t>(n) >= target.size()) throw FileError(link, ELOOP);
    target.resize(static_cast<std::size_t>(n));
    std::size_t slash = link.rfind('/');
    if (target[0] == '/' || slash == std::string::npos) return target;
    return link.substr(0, slash + 1) + target;
}

// Where a write of `path` goes: through symbolic links to the file itself. What is there
// must be a regular file with one name that may be written; a missing file is made anew.
struct Target {
    std::string path;
    bool exists = false;
    struct stat st {};
};

Target resolveTarget(const std::string& path) {
    Target t{path};
    for (int links = 0;; ++links) {
        if (lstat(t.path.c_str(), &t.st) != 0) {
            if (errno == ENOENT) return t;  // a new file (the folder is checked by the write)
            throw FileError(path, errno);
        }
        if (!S_ISLNK(t.st.st_mode)) break;
        if (links == 40) throw FileError(path, ELOOP);
        t.path = linkTarget(t.path);
    }
    t.exists = true;
    if (!S_ISREG(t.st.st_mode)) throw FileError(path, kNotRegular);
    if ((t.st.st_mode & 0222) == 0 || access(t.path.c_str(), W_OK) != 0)
        throw FileError(path, "a fájl csak olvasható");
    if (t.st.st_nlink > 1)
        throw FileError(path,
                        "a fájlnak több neve is van (hard link), és a csere szétválasztaná őket");
    return t;
}

mode_t newFileMode() {
    mode_t m = umask(0);
    umask(m);
    return 0666 & ~m;
}

void writeAll(int fd, std::string_view bytes, const std::function<void(int)>& fail) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
}

// Writes the bytes to a temporary file beside the target and renames it over the target,
// which keeps its mode and, where the system lets us, its owner.
void replaceFile(const std::string& path, std::string_view bytes) {
    const Target target = resolveTarget(path);
    std::string tmp = target.path + ".tmp-XXXXXX";
    int fd = mkstemp(tmp.data());
    if (fd < 0) throw FileError(path, errno);
    auto fail = [&](int err) {
        close(fd);
        unlink(tmp.c_str());
        throw FileError(path, err);
    };
    writeAll(fd, bytes, fail);
    if (fsync(fd) != 0 && errno != EINVAL) fail(errno);
    fchmod(fd, target.exists ? target.st.st_mode & 07777 : newFileMode());
    if (target.exists && (target.st.st_uid != geteuid() || target.st.st_gid != getegid()))
        (void)!fchown(fd, target.st.st_uid, target.st.st_gid);
    if (close(fd) != 0) {
        int err = errno;
        unlink(tmp.c_str());
        throw FileError(path, err);
    }
    if (rename(tmp.c_str(), target.path.c_str()) != 0) {
        int err = errno;
        unlink(tmp.c_str());
        throw FileError(path, err);
    }
}

}  // namespace

std::string toCp1250(std::string_view utf8) { return platform::utf8ToCp1250(utf8); }

std::string fromCp1250(std::string_view bytes) { return platform::cp1250ToUtf8(bytes); }

void writeLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    std::size_t size = 0;
    for (const auto& l : lines) size += l.size() + 2;
    text.reserve(size);
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    replaceFile(path, toCp1250(text));
}

void writeBytes(const std::string& path, std::string_view bytes) { replaceFile(path, bytes); }

std::string cp1250LineProblem(std::string_view utf8) {
    while (!utf8.empty()) {
        const std::size_t n = std::min(utf8Unit(utf8), utf8.size());
        const std::string_view unit = utf8.substr(0, n);
        const unsigned char first = static_cast<unsigned char>(unit[0]);
        if (first < 0x20 || first == 0x7F) return "sortörést vagy más vezérlőkaraktert tartalmaz";
        if (platform::utf8ToCp1250(unit) == "?") {
            if (n == 1 || first < 0xC2 || first > 0xF4) {
                static constexpr char kHex[] = "0123456789ABCDEF";
                return std::string("érvénytelen bájtot tartalmaz (0x") + kHex[first >> 4] +
                       kHex[first & 15] + ")";
            }
            return "a(z) „" + std::string(unit) +
                   "” karakter nem írható le a Windows-1250 kódlappal";
        }
        utf8.remove_prefix(n);
    }
    return {};
}

ExchangeFile readExchangeFile(const std::string& path) {
    struct Opened {
        int fd;
        ~Opened() {
            if (fd >= 0) close(fd);
        }
    } opened{open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (opened.fd < 0) throw FileError(path, errno, true);
    return readExchangeFile(opened.fd, path);
}

ExchangeFile readExchangeFile(int fd, const std::string& path) {
    struct stat st {};
    if (fstat(fd, &st) != 0) throw FileError(path, errno, true);
    if (!S_ISREG(st.st_mode)) throw ExchangeFileError(fileMessage(path, true, kNotRegular));
    const std::string tooLarge =
        fileMessage(path, true, "nagyobb, mint " + std::to_string(kExchangeFileBytes) + " bájt");
    if (st.st_size > static_cast<off_t>(kExchangeFileBytes)) throw ExchangeFileError(tooLarge);
    ExchangeFile file;
    file.modifiedNs =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    char buf[kExchangeFileBytes + 1];
    std::size_t got = 0;
    // one byte more than the bound tells a file that grew meanwhile
    while (got < sizeof buf) {
        ssize_t n = pread(fd, buf + got, sizeof buf - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw FileError(path, errno, true);
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got > kExchangeFileBytes) throw ExchangeFileError(tooLarge);
    file.bytes.assign(buf, got);
    return file;
}

std::vector<std::string> readLines(const std::string& path) {
    return splitLines(readExchangeFile(path).bytes);
}

std::vector<std::string> splitLines(const std::string& cp1250) {
    std::string text = fromCp1250(cp1250);
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) lines.push_back(std::move(current));
    return lines;
}

std::int64_t modifiedNs(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return 0;
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

std::string reason(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "a mappa vagy a fájl nem létezik";
        case EACCES:
        case EPERM:
            return "nincs hozzá jogosultság";
        case EROFS:
            return "a lemez csak olvasható";
        case ENOSPC:
            return "nincs elég hely a lemezen";
        case EDQUOT:
            return "elfogyott a lemezkvóta";
        case EFBIG:
            return "a fájl túl nagy";
        case EISDIR:
            return "ez egy mappa";
        case ENOTDIR:
            return "az útvonal egy része nem mappa";
        case ENAMETOOLONG:
            return "a fájlnév túl hosszú";
        case EIO:
            return "írási-olvasási hiba a lemezen";
        case ELOOP:
            return "túl sok egymásra mutató szimbolikus hivatkozás";
        default:
            return "rendszerhiba (hibakód " + std::to_string(errorNumber) + ")";
    }
}

}  // namespace textfile
}  // namespace qorix
