#include "app/versionedtext.h"

#include <algorithm>
#include <cerrno>
#include <charconv>

#include "link/textfile.h"
#include "platform/files.h"
#include "wizards/common/errors.h"

namespace qorix::versioned {

std::string header(const Format& format) {
    return std::string(format.magic) + " " + std::to_string(format.version);
}

namespace {

[[noreturn]] void raise(const Format& format, const std::string& message) {
    format.raise(message);
    throw Error(message);  // a format whose raise returns is refused all the same
}

// "qorix-tools N" with N from 1 to the format's version.
void checkHeader(const Line& line, const Format& format, const std::string& path) {
    const std::string prefix = std::string(format.magic) + " ";
    int version = 0;
    const std::string_view digits = line.text.substr(std::min(prefix.size(), line.text.size()));
    auto r = std::from_chars(digits.data(), digits.data() + digits.size(), version);
    if (!line.text.starts_with(prefix) || r.ec != std::errc() ||
        r.ptr != digits.data() + digits.size() || version < 1)
        refuse(format, path, line.number,
               "nem " + std::string(format.noun) + " (az első sora „" + header(format) +
                   "” kell legyen)");
    if (version > format.version)
        refuse(format, path, line.number,
               std::string(format.newer) + " (" + std::to_string(version) +
                   "), ez a program legfeljebb a(z) " + std::to_string(format.version) +
                   ". változatot olvassa");
}

}  // namespace

void refuse(const Format& format, const std::string& path, std::size_t line,
            const std::string& why) {
    raise(format, "A(z) „" + path + "” " + format.noun + " " + std::to_string(line) + ". sora " +
                      format.refused + ": " + why + ".");
}

void refuseFile(const Format& format, const std::string& path, const std::string& why) {
    raise(format, "A(z) „" + path + "” " + format.noun + " " + format.refused + ": " + why + ".");
}

bool isText(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t') || c == 0x7F) return false;
            ++i;
            continue;
        }
        const std::size_t n = c >= 0xC2 && c <= 0xDF   ? 2
                              : c >= 0xE0 && c <= 0xEF ? 3
                              : c >= 0xF0 && c <= 0xF4 ? 4
                                                       : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

std::vector<Line> checkedLines(std::string_view bytes, const Format& format,
                               const std::string& path) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);  // an editor's byte order mark
    std::vector<Line> lines;
    std::size_t number = 0;
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!isText(line)) refuse(format, path, number, "nem szöveg (bináris fájl?)");
        if (line.empty() || line.starts_with('#')) continue;
        lines.push_back({number, line});
    }
    if (lines.empty() && format.emptyRefused)
        refuse(format, path, std::max<std::size_t>(number, 1), "a fájl üres");
    if (!lines.empty()) checkHeader(lines[0], format, path);
    return lines;
}

std::optional<std::string> read(const Format& format, const std::string& path) {
    platform::SmallFile file;
    if (int error = platform::readSmallFile(path, format.mostBytes, file)) {
        if (error == ENOENT) return std::nullopt;
        throw FileError(path, error, true);
    }
    if (file.kind == platform::SmallFile::notRegular)
        refuseFile(format, path, "nem közönséges fájl, hanem mappa, csővezeték vagy eszköz");
    if (file.kind == platform::SmallFile::tooLarge)
        refuseFile(format, path,
                   "nagyobb, mint " + std::to_string(format.mostBytes / 1024) + " kB, így nem " +
                       format.noun);
    return std::move(file.bytes);
}

}  // namespace qorix::versioned
