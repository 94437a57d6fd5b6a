#include "app/programfile.h"

#include <cstdint>

#include "link/textfile.h"
#include "platform/files.h"

namespace qorix {

namespace {

// Whether the bytes are UTF-8 throughout (overlong forms and surrogates are not).
bool validUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int more = c < 0x80           ? 0
                         : (c >> 5) == 0x6  ? 1
                         : (c >> 4) == 0xE  ? 2
                         : (c >> 3) == 0x1E ? 3
                                            : -1;
        if (more < 0 || (more == 1 && c < 0xC2) || (more > 0 && i + more >= s.size())) return false;
        std::uint32_t code = more == 0 ? c : c & (0x3F >> more);
        for (int k = 1; k <= more; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d >> 6) != 0x2) return false;
            code = (code << 6) | (d & 0x3F);
        }
        if ((more == 2 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
            (more == 3 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

// Why the bytes are no program text (a picture, an archive, a program of another kind);
// empty when they are text.
std::string notText(const std::string& bytes, bool utf8) {
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == 0) return "NUL bájtokat tartalmaz";
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v' && c != 0x1A)
            return "vezérlőkaraktereket tartalmaz";
    }
    if (utf8) return {};
    // the five bytes that Windows-1250 leaves without a letter
    for (char ch : bytes)
        if (const auto c = static_cast<unsigned char>(ch);
            c == 0x81 || c == 0x83 || c == 0x88 || c == 0x90 || c == 0x98)
            return "sem Windows-1250, sem UTF-8 szövegként nem olvasható";
    return {};
}

}  // namespace

std::vector<std::string> readProgramFile(const std::string& path) {
    platform::SmallFile file;
    if (int error = platform::readSmallFile(path, kProgramFileBytes, file); error != 0)
        throw FileError(path, error, true);
    if (file.kind == platform::SmallFile::notRegular)
        throw FileError(path, "nem közönséges fájl, hanem mappa, csővezeték vagy eszköz", true);
    if (file.kind == platform::SmallFile::tooLarge)
        throw FileError(path, "nagyobb, mint " + std::to_string(kProgramFileBytes >> 20) + " MiB",
                        true);
    const bool utf8 = validUtf8(file.bytes);
    if (std::string why = notText(file.bytes, utf8); !why.empty())
        throw FileError(
            path, "nem szöveges fájl, hanem bináris: " + why + "; G-kód programot nyiss meg", true);
    // a file in UTF-8 (with letters beyond ASCII, else both read the same) is taken as such
    if (!utf8) return textfile::splitLines(file.bytes);
    const bool bom = file.bytes.rfind("\xEF\xBB\xBF", 0) == 0;
    return textfile::splitTextLines(bom ? file.bytes.substr(3) : file.bytes);
}

}  // namespace qorix
