// Numbers read on Windows give the same bits as on Linux: every text is compared with the
// value that the compiler gives the same text as a literal, on both systems.
#include "platform/numberread.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace qorix::test {
namespace {

struct Case {
    const char* text;
    long double value;
};

#define N(x) \
    Case { #x, x##L }
const Case kCases[] = {
#include "platform/numbertexts.inc"
};
#undef N

// The 80 bits that make up the number, in hexadecimal.
std::string bitsOf(long double v) {
    unsigned char b[10];
    std::memcpy(b, &v, sizeof b);
    std::string hex;
    for (int i = 9; i >= 0; --i) {
        static const char digits[] = "0123456789abcdef";
        hex += digits[b[i] >> 4];
        hex += digits[b[i] & 15];
    }
    return hex;
}

std::string bitsRead(const std::string& text) {
    long double v = 0;
    auto r = platform::readLongDouble(text.data(), text.data() + text.size(), v);
    if (r.ec != std::errc()) return "error";
    if (r.ptr != text.data() + text.size()) return "partly";
    return bitsOf(v);
}

// The field texts of the golden programs that came out different when read through a double
// (MinGW's std::from_chars): a cut circle 4 deep in steps of 0,1 cut 40 passes instead of 41
// (cut-circle/depth-an-exact-multiple-of-a-tenth), another one's Z lost its last digit
// (depth-step-last-digit), and a rectangle pocket cut one loop more (loops-near-the-wall).
TEST(NumberRead, TheFieldsThatADoubleRoundedDifferentlyReadExactly) {
    const Case fields[] = {{"0.1", 0.1L},     {"7.981", 7.981L},   {"0.2", 0.2L},
                           {"24.15", 24.15L}, {"11.834", 11.834L}, {"3.8887", 3.8887L},
                           {"29.66", 29.66L}, {"67.57", 67.57L},   {"9.89", 9.89L},
                           {"2.30", 2.30L}};
    for (const Case& c : fields) {
        EXPECT_EQ(bitsRead(c.text), bitsOf(c.value)) << c.text;
        EXPECT_NE(bitsOf(c.value), bitsOf(static_cast<long double>(std::stod(c.text)))) << c.text;
    }
    EXPECT_EQ(bitsRead("4"), bitsOf(4.0L));
}

TEST(NumberRead, EveryGeneratedTextGivesTheExactBits) {
    ASSERT_EQ(std::size(kCases), 3000u);
    int differing = 0;
    for (const Case& c : kCases) {
        if (bitsRead(c.text) == bitsOf(c.value)) continue;
        if (++differing <= 5) ADD_FAILURE() << c.text << ": " << bitsRead(c.text);
    }
    EXPECT_EQ(differing, 0);
}

TEST(NumberRead, OnlyPlainDecimalsAreRead) {
    for (const char* bad : {"", "-", ".", "-.", "e5", "+1", "inf", "nan", " 1", ",5"}) {
        long double v = 7;
        std::string t = bad;
        auto r = platform::readLongDouble(t.data(), t.data() + t.size(), v);
        EXPECT_EQ(r.ec, std::errc::invalid_argument) << bad;
        EXPECT_EQ(v, 7) << bad;
    }
    // as std::from_chars: the reading stops where the decimal ends
    for (const char* partly : {"1e", "1e+", "0x1p3", "1.5,", "2.5.1", "3 "})
        EXPECT_EQ(bitsRead(partly), "partly") << partly;
    EXPECT_EQ(bitsRead(".5"), bitsOf(0.5L));
    EXPECT_EQ(bitsRead("5."), bitsOf(5.0L));
    EXPECT_EQ(bitsRead("-0"), bitsOf(-0.0L));
    EXPECT_EQ(bitsRead("0e-99999"), bitsOf(0.0L));
    EXPECT_EQ(bitsRead("1E+3"), bitsOf(1000.0L));
}

TEST(NumberRead, BeyondTheRangeIsOutOfRangeAndLeavesTheValue) {
    for (const char* far :
         {"1e5000", "-1e5000", "1e-5000", "1.18973149535723176515e4932", "1e-4940"}) {
        long double v = 7;
        std::string t = far;
        auto r = platform::readLongDouble(t.data(), t.data() + t.size(), v);
        EXPECT_EQ(r.ec, std::errc::result_out_of_range) << far;
        EXPECT_EQ(r.ptr, t.data() + t.size()) << far;
        EXPECT_EQ(v, 7) << far;
    }
    EXPECT_EQ(bitsRead("1.18973149535723176502e4932"), bitsOf(1.18973149535723176502e4932L));
}

}  // namespace
}  // namespace qorix::test
