#include "link/textfile.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>

namespace qorix {

FileError::FileError(const std::string& path, int errorNumber, bool reading)
    : Error("A(z) „" + path + "” fájl " + (reading ? "nem olvasható" : "nem írható") + ": " +
            textfile::reason(errorNumber) + "."),
      errno_(errorNumber) {}

namespace textfile {

namespace {

class Converter {
public:
    // Without the code page no file could be written correctly, so that is a failure of its
    // own rather than a file full of question marks.
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw Error(std::string("A(z) ") + (std::string(to) == "UTF-8" ? from : to) +
                        " kódlap nem érhető el a rendszeren.");
    }
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts, turning every character that the target cannot hold into "?".
    std::string run(std::string_view in, std::size_t unitOf(std::string_view)) {
        std::string out;
        out.reserve(in.size());
        char buf[4096];
        const char* src = in.data();
        std::size_t left = in.size();
        while (left > 0) {
            char* dst = buf;
            std::size_t room = sizeof buf;
            char* s = const_cast<char*>(src);
            std::size_t r = iconv(cd_, &s, &left, &dst, &room);
            out.append(buf, dst - buf);
            src = s;
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
                // EILSEQ or EINVAL: one character that cannot be converted
                std::size_t skip = std::min(unitOf(std::string_view(src, left)), left);
                out.push_back('?');
                src += skip;
                left -= skip;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence that starts the text (1 for a stray byte).
std::size_t utf8Unit(std::string_view s) {
    unsigned char c = static_cast<unsigned char>(s[0]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    for (std::size_t i = 1; i < n; ++i)
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) >> 6) != 2) return i;
    return n;
}

std::size_t oneByte(std::string_view) { return 1; }

// Writes the bytes to a temporary file beside the target and renames it over the target.
void replaceFile(const std::string& path, std::string_view bytes) {
    std::string tmp = path + ".tmp-XXXXXX";
    int fd = mkstemp(tmp.data());
    if (fd < 0) throw FileError(path, errno);
    auto fail = [&](int err) {
        close(fd);
        unlink(tmp.c_str());
        throw FileError(path, err);
    };
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
    if (fsync(fd) != 0 && errno != EINVAL) fail(errno);
    fchmod(
        fd, 0666 & ~[] {
            mode_t m = umask(0);
            umask(m);
            return m;
        }());
    if (close(fd) != 0) {
        int err = errno;
        unlink(tmp.c_str());
        throw FileError(path, err);
    }
    if (rename(tmp.c_str(), path.c_str()) != 0) {
        int err = errno;
        unlink(tmp.c_str());
        throw FileError(path, err);
    }
}

}  // namespace

std::string toCp1250(std::string_view utf8) {
    Converter c("CP1250", "UTF-8");
    return c.run(utf8, utf8Unit);
}

std::string fromCp1250(std::string_view bytes) {
    Converter c("UTF-8", "CP1250");
    return c.run(bytes, oneByte);
}

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

std::vector<std::string> readLines(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) throw FileError(path, errno, true);
    std::string bytes;
    char buf[65536];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            close(fd);
            throw FileError(path, err, true);
        }
        if (n == 0) break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    close(fd);
    std::string text = fromCp1250(bytes);
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
        default:
            return "rendszerhiba (hibakód " + std::to_string(errorNumber) + ")";
    }
}

}  // namespace textfile
}  // namespace qorix
