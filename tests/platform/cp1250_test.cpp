// The code page table against the system's own converter (glibc's iconv, on Linux), for every
// character of the Basic Multilingual Plane, every byte, and broken UTF-8.
#include "platform/cp1250.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#ifndef _WIN32
#include <iconv.h>

#include <cerrno>
#endif

namespace qorix::test {
namespace {

using platform::cp1250ToUtf8;
using platform::utf8ToCp1250;

TEST(Cp1250, HungarianLettersAndSignsHaveTheirBytes) {
    EXPECT_EQ(utf8ToCp1250("őŐűŰáéíóöúüÁÉÍÓÖÚÜ"),
              "\xF5\xD5\xFB\xDB\xE1\xE9\xED\xF3\xF6\xFA\xFC\xC1\xC9\xCD\xD3\xD6\xDA\xDC");
    EXPECT_EQ(utf8ToCp1250("€ „kör” – °"), "\x80 \x84k\xF6r\x94 \x96 \xB0");
    EXPECT_EQ(cp1250ToUtf8("\x80 \x84k\xF6r\x94 \x96 \xB0"), "€ „kör” – °");
    // what the code page cannot hold, and broken UTF-8, become "?"
    EXPECT_EQ(utf8ToCp1250("日本 ø 😀"), "?? ? ?");
    EXPECT_EQ(utf8ToCp1250("a\xC3"), "a?");
    EXPECT_EQ(utf8ToCp1250("\xC0\x80|\xED\xA0\x80|\xFF|\x80"), "?|?|?|?");
    EXPECT_EQ(cp1250ToUtf8("\x81\x83\x88\x90\x98"), "?????");
    EXPECT_EQ(cp1250ToUtf8(std::string("a\0b\r\n", 5)), std::string("a\0b\r\n", 5));
}

TEST(Cp1250, EveryByteComesBackAsItWas) {
    for (int b = 0; b < 256; ++b) {
        std::string byte(1, static_cast<char>(b));
        if (cp1250ToUtf8(byte) == "?" && b != '?') continue;  // the five undefined bytes
        EXPECT_EQ(utf8ToCp1250(cp1250ToUtf8(byte)), byte) << b;
    }
}

#ifndef _WIN32
std::string utf8Of(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// The converter the programs used before, built on iconv: the reference.
std::string throughIconv(const char* to, const char* from, const std::string& in, bool utf8In) {
    iconv_t cd = iconv_open(to, from);
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::string out;
    char buf[256];
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    while (left > 0) {
        char* dst = buf;
        std::size_t room = sizeof buf;
        std::size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buf, dst - buf);
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // one character skipped: a byte, or a UTF-8 lead and its continuation bytes
            std::size_t skip = 1;
            unsigned char c = static_cast<unsigned char>(*src);
            std::size_t n = !utf8In || c < 0x80 ? 1
                            : (c >> 5) == 6     ? 2
                            : (c >> 4) == 14    ? 3
                            : (c >> 3) == 30    ? 4
                                                : 1;
            while (skip < n && skip < left && (static_cast<unsigned char>(src[skip]) >> 6) == 2)
                ++skip;
            out += '?';
            src += skip;
            left -= skip;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

TEST(Cp1250, EqualsTheSystemConverterForTheWholeBasicMultilingualPlane) {
    int differing = 0;
    for (char32_t c = 1; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;  // no characters of their own
        std::string text = utf8Of(c);
        if (utf8ToCp1250(text) != throughIconv("CP1250", "UTF-8", text, true)) ++differing;
    }
    EXPECT_EQ(differing, 0);
    for (int b = 0; b < 256; ++b) {
        std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(cp1250ToUtf8(byte), throughIconv("UTF-8", "CP1250", byte, false)) << b;
    }
}

TEST(Cp1250, EqualsTheSystemConverterForBrokenUtf8) {
    std::mt19937 random(1250);
    const unsigned char pieces[] = {'a',  0x80, 0xBF, 0xC0, 0xC3, 0xA9, 0xE2, 0x82, 0xAC,
                                    0xED, 0xA0, 0xF0, 0x9F, 0xF4, 0x90, 0xF8, 0xFF, 0xC5};
    for (int run = 0; run < 20000; ++run) {
        std::string text;
        for (int n = random() % 8; n > 0; --n)
            text += static_cast<char>(pieces[random() % sizeof pieces]);
        ASSERT_EQ(utf8ToCp1250(text), throughIconv("CP1250", "UTF-8", text, true)) << run;
    }
}
#endif

}  // namespace
}  // namespace qorix::test
