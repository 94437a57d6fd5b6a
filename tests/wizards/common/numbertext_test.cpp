#include "wizards/common/numbertext.h"

#include <gtest/gtest.h>

#include <limits>

#include "wizards/common/errors.h"

namespace qorix {
namespace {

const NumberText comma(',');
const NumberText dot('.');

TEST(FourDecimalForm, RoundsHalvesAwayFromZeroAfterExpandingTo18Digits) {
    EXPECT_EQ(comma.f4(2.00005L), "2,0001");
    EXPECT_EQ(comma.f4(-2.00005L), "-2,0001");
    EXPECT_EQ(comma.f4(2.00004L), "2,0000");
    EXPECT_EQ(comma.f4(0.99995L), "1,0000");
    EXPECT_EQ(comma.f4(9999.99995L), "10000,0000");
    // read from a field, as the pages do
    EXPECT_EQ(comma.f4(comma.toFloat("2,00005")), "2,0001");
    EXPECT_EQ(comma.f4(comma.toFloat("-2,00005")), "-2,0001");
}

TEST(FourDecimalForm, NoMinusSignForValuesThatRoundToZero) {
    EXPECT_EQ(comma.f4(-0.00004L), "0,0000");
    EXPECT_EQ(comma.f4(-0.0L), "0,0000");
    EXPECT_EQ(comma.f4(0), "0,0000");
    EXPECT_EQ(comma.f4(-0.00005L), "-0,0001");
}

TEST(FourDecimalForm, TinyValuesAreZeroAndTheirNeighboursKeepTheirRounding) {
    EXPECT_EQ(comma.f4(1e-4000L), "0,0000");
    EXPECT_EQ(comma.f4(-1e-4000L), "0,0000");
    EXPECT_EQ(comma.f4(std::numeric_limits<long double>::denorm_min()), "0,0000");
    EXPECT_EQ(comma.f4(9.99999e-7L), "0,0000");
    EXPECT_EQ(comma.f4(0.0000499999L), "0,0000");
    // more nines than the 18 digits expanded: taken as a half, which rounds up
    EXPECT_EQ(comma.f4(0.0000499999999999999999999L), "0,0001");
    EXPECT_EQ(comma.f4(-0.0000500001L), "-0,0001");
}

TEST(FourDecimalForm, UsesTheRunsSeparatorAndNoThousandsSeparator) {
    EXPECT_EQ(comma.f4(12.5L), "12,5000");
    EXPECT_EQ(dot.f4(12.5L), "12.5000");
    EXPECT_EQ(comma.f4(-7.5L), "-7,5000");
    EXPECT_EQ(comma.f4(1234567.25L), "1234567,2500");
    EXPECT_EQ(comma.f4(0.123456L), "0,1235");
    EXPECT_EQ(comma.f4(1e-10L), "0,0000");
    EXPECT_EQ(comma.f4(1e20L), "100000000000000000000,0000");
}

TEST(GeneralForm, FifteenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(comma.general(4), "4");
    EXPECT_EQ(comma.general(-0.5L), "-0,5");
    EXPECT_EQ(comma.general(0), "0");
    EXPECT_EQ(comma.general(72), "72");
    EXPECT_EQ(comma.general(1.0L / 3), "0,333333333333333");
    EXPECT_EQ(comma.general(0.1L), "0,1");
    EXPECT_EQ(dot.general(2.5L), "2.5");
    EXPECT_EQ(comma.general(0.00001L), "0,00001");
    EXPECT_EQ(comma.general(123456789012345.0L), "123456789012345");
}

TEST(GeneralForm, ScientificForTinyAndHugeValues) {
    EXPECT_EQ(comma.general(0.000001L), "1E-6");
    EXPECT_EQ(comma.general(-0.0000025L), "-2,5E-6");
    EXPECT_EQ(comma.general(1234567890123456.0L), "1,23456789012346E+15");
    EXPECT_EQ(comma.general(1e20L), "1E+20");
}

TEST(WholeNumbers, PlainDigits) {
    EXPECT_EQ(NumberText::whole(300), "300");
    EXPECT_EQ(NumberText::whole(-15), "-15");
}

TEST(ReadingNumbers, AcceptsBlanksSignSeparatorAndExponent) {
    EXPECT_EQ(comma.toFloat("12,5"), 12.5L);
    EXPECT_EQ(comma.toFloat(" -2,0000 "), -2.0L);
    EXPECT_EQ(comma.toFloat("+3"), 3.0L);
    EXPECT_EQ(comma.toFloat(",5"), 0.5L);
    EXPECT_EQ(comma.toFloat("5,"), 5.0L);
    EXPECT_EQ(comma.toFloat("1,5e2"), 150.0L);
    EXPECT_EQ(comma.toFloat("2E-1"), 0.2L);
    EXPECT_EQ(dot.toFloat("12.5"), 12.5L);
}

TEST(ReadingNumbers, RejectsEverythingElseWithTheTextInTheMessage) {
    for (const char* bad : {"", " ", "abc", "12.5", "1,2,3", "1e", "e5", "-", "1 2", "nan", "inf",
                            "0x10", "1e5000", "--1", "5mm"}) {
        try {
            comma.toFloat(bad);
            ADD_FAILURE() << "accepted \"" << bad << "\"";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("„") + bad + "” nem érvényes szám.");
        }
    }
    EXPECT_THROW(dot.toFloat("1,5"), ConversionError);
}

TEST(ReadingNumbers, ALongTextIsShortenedInTheMessage) {
    std::string digits(10000, '7');
    digits += "x";
    try {
        comma.toFloat(digits);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_LT(std::string(e.what()).size(), 120u);
    }
}

TEST(ReadingWholeNumbers, RejectsFractionsAndValuesBeyond32Bits) {
    EXPECT_EQ(comma.toInt(" 150 "), 150);
    EXPECT_EQ(comma.toInt("-7"), -7);
    EXPECT_EQ(comma.toInt("+7"), 7);
    EXPECT_EQ(comma.toInt("2147483647"), std::numeric_limits<std::int32_t>::max());
    for (const char* bad : {"", "1,5", "1e3", "2147483648", "-2147483649", "x", "+-1", "1 0"})
        EXPECT_THROW(comma.toInt(bad), ConversionError) << bad;
    try {
        comma.toInt("1,5");
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "„1,5” nem érvényes egész szám.");
    }
}

TEST(DefaultTexts, FollowTheRunsSeparator) {
    EXPECT_EQ(comma.local("-2,0000"), "-2,0000");
    EXPECT_EQ(dot.local("-2,0000"), "-2.0000");
    EXPECT_EQ(dot.local("5"), "5");
}

}  // namespace
}  // namespace qorix
