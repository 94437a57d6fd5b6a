#include "app/programfile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "link/textfile.h"
#include "platform/files.h"

namespace qorix {

namespace {

// Whether the bytes are UTF-8 throughout (overlong forms and surrogates are not).
bool validUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        // eight ASCII bytes at a time: most of a program
        if (i + 8 <= s.size()) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, s.data() + i, 8);
            if ((eight & 0x8080808080808080u) == 0) {
                i += 8;
                continue;
            }
        }
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

// The lines at CR LF, CR or LF, each made once at its size (a million lines are a million
// strings: growing each a character at a time cost as much as reading the program). A line
// with letters beyond ASCII in a Windows-1250 file is decoded on its own: the line ends are
// the same bytes in both.
std::vector<std::string> splitProgramLines(std::string_view text, bool cp1250) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        unsigned beyondAscii = 0;  // one pass finds the end and any letter to decode
        for (; end < text.size() && text[end] != '\n' && text[end] != '\r'; ++end)
            beyondAscii |= static_cast<unsigned char>(text[end]) & 0x80u;
        const std::string_view line = text.substr(start, end - start);
        lines.push_back(cp1250 && beyondAscii ? textfile::fromCp1250(line) : std::string(line));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
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
    const bool bom = utf8 && file.bytes.rfind("\xEF\xBB\xBF", 0) == 0;
    return splitProgramLines(std::string_view(file.bytes).substr(bom ? 3 : 0), !utf8);
}

}  // namespace qorix
