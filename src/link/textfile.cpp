#include "link/textfile.h"

#include <cerrno>

#include "platform/cp1250.h"
#include "platform/files.h"

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

// Writes the bytes to a temporary file beside the target (a link's target) and renames it
// over the target, which keeps its mode and, where the system lets us, its owner. What is
// there must be a regular file with one name that may be written; a missing file is made.
void replaceFile(const std::string& path, std::string_view bytes) {
    platform::WriteTarget target;
    if (int err = platform::findWriteTarget(path, target)) throw FileError(path, err);
    if (target.exists) {
        if (!target.regular) throw FileError(path, kNotRegular);
        if (target.readOnly) throw FileError(path, "a fájl csak olvasható");
        if (target.manyNames)
            throw FileError(
                path, "a fájlnak több neve is van (hard link), és a csere szétválasztaná őket");
    }
    if (int err = platform::replaceFile(target, bytes)) throw FileError(path, err);
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

namespace {

// The checks of a read exchange file: what is no small regular file is a failure of its own.
ExchangeFile exchangeFileOf(const std::string& path, int error, platform::SmallFile& file) {
    if (error != 0) throw FileError(path, error, true);
    if (file.kind == platform::SmallFile::notRegular)
        throw ExchangeFileError(fileMessage(path, true, kNotRegular));
    if (file.kind == platform::SmallFile::tooLarge)
        throw ExchangeFileError(fileMessage(
            path, true, "nagyobb, mint " + std::to_string(kExchangeFileBytes) + " bájt"));
    return ExchangeFile{std::move(file.bytes), file.stamp.modifiedNs};
}

}  // namespace

ExchangeFile readExchangeFile(const std::string& path) {
    platform::SmallFile file;
    int error = platform::readSmallFile(path, kExchangeFileBytes, file);
    return exchangeFileOf(path, error, file);
}

ExchangeWatch::ExchangeWatch(const std::string& path)
    : path_(path), file_(std::make_unique<platform::ReplacedFile>(path, kExchangeFileBytes)) {}

ExchangeWatch::~ExchangeWatch() = default;

std::optional<ExchangeFile> ExchangeWatch::next() {
    platform::SmallFile file;
    int error = 0;
    if (!file_->look(file, error)) return std::nullopt;
    return exchangeFileOf(path_, error, file);
}

std::vector<std::string> readLines(const std::string& path) {
    return splitLines(readExchangeFile(path).bytes);
}

std::vector<std::string> splitLines(const std::string& cp1250) {
    return splitTextLines(fromCp1250(cp1250));
}

std::vector<std::string> splitTextLines(const std::string& text) {
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

std::int64_t modifiedNs(const std::string& path) { return platform::stampOf(path).modifiedNs; }

void ignoreFileSizeSignal() { platform::ignoreFileSizeSignal(); }

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
#ifdef EDQUOT  // not on Windows, whose full quota comes as a full disk
        case EDQUOT:
            return "elfogyott a lemezkvóta";
#endif
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
