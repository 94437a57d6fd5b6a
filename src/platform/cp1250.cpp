#include "platform/cp1250.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace qorix::platform {

namespace {

// The characters of the bytes 0x80 to 0xFF; 0 where the code page has none.
constexpr std::array<char16_t, 128> kUpper = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

// The table turned round: (character, byte), sorted by character.
using Pair = std::pair<char16_t, unsigned char>;
const std::array<Pair, 128>& byCharacter() {
    static const std::array<Pair, 128> table = [] {
        std::array<Pair, 128> t{};
        for (std::size_t i = 0; i < kUpper.size(); ++i)
            t[i] = {kUpper[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(t.begin(), t.end());
        return t;
    }();
    return table;
}

char encode(char32_t c) {
    if (c < 0x80) return static_cast<char>(c);
    if (c > 0xFFFF) return '?';
    const auto& t = byCharacter();
    auto it = std::lower_bound(t.begin(), t.end(), Pair{static_cast<char16_t>(c), 0});
    return it != t.end() && it->first == c ? static_cast<char>(it->second) : '?';
}

unsigned byteAt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

// Reads the UTF-8 sequence at i into c and returns its length: the lead byte and the
// continuation bytes that follow it (at least 1). c is 0x110000 when the sequence is
// broken, overlong, a surrogate or beyond Unicode.
std::size_t decode(std::string_view s, std::size_t i, char32_t& c) {
    unsigned lead = byteAt(s, i);
    std::size_t n = lead < 0x80         ? 1
                    : (lead >> 5) == 6  ? 2
                    : (lead >> 4) == 14 ? 3
                    : (lead >> 3) == 30 ? 4
                                        : 1;
    char32_t v = n == 1 ? lead : n == 2 ? lead & 0x1F : n == 3 ? lead & 0x0F : lead & 0x07;
    for (std::size_t k = 1; k < n; ++k) {
        if (i + k >= s.size() || (byteAt(s, i + k) >> 6) != 2) {
            c = 0x110000;
            return k;
        }
        v = (v << 6) | (byteAt(s, i + k) & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    bool bad =
        (n == 1 && lead >= 0x80) || v < kLeast[n] || (v >= 0xD800 && v <= 0xDFFF) || v > 0x10FFFF;
    c = bad ? 0x110000 : v;
    return n;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

std::string utf8ToCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        if (byteAt(utf8, i) < 0x80) {  // the common case, at full speed
            out.push_back(utf8[i++]);
            continue;
        }
        char32_t c = 0;
        i += decode(utf8, i, c);
        out.push_back(encode(c));
    }
    return out;
}

std::string cp1250ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char b : bytes) {
        unsigned u = static_cast<unsigned char>(b);
        char16_t c = u < 0x80 ? u : kUpper[u - 0x80];
        if (u >= 0x80 && c == 0) c = '?';
        appendUtf8(out, c);
    }
    return out;
}

}  // namespace qorix::platform
