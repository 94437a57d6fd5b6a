// The integer expansion must give the very digits of the C library's conversion, rounding
// ties included, or every program would change in its last digit somewhere.
#include "wizards/common/decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace qorix::decimal {
namespace {

void expectSame(long double v, int significant) {
    ASSERT_EQ(expand(v, significant), expandByText(v, significant))
        << std::hexfloat << v << " with " << significant << " digits";
}

TEST(DecimalTest, RandomValuesOfEveryMachineSize) {
    std::mt19937_64 rng(20240601);
    std::uniform_int_distribution<int> exponent(-40, 80);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 200000; ++i) {
        long double v = std::ldexp(static_cast<long double>(bits(rng) | (1ULL << 63)), -64);
        v = std::ldexp(v, exponent(rng));
        expectSame(v, 18);
        expectSame(v, 15);
    }
}

TEST(DecimalTest, TypedDecimalsAndTheirSums) {
    // the numbers of real programs: typed with a few decimals, then added and divided
    for (int i = -200000; i <= 200000; i += 7) {
        long double typed = static_cast<long double>(i) / 10000;
        if (typed == 0) continue;
        expectSame(std::fabs(typed), 18);
        expectSame(std::fabs(typed / 3), 18);
        expectSame(std::fabs(typed * 0.995L), 15);
    }
}

TEST(DecimalTest, ExactHalvesRoundToEven) {
    // a few binary places end exactly on a 5 after the last kept digit
    for (long double v : {0.5L, 1.5L, 2.5L, 0.125L, 0.375L, 1e17L + 0.5L, 123456789012345678.5L,
                          12345678901234567.25L, 1234567890123456.125L, 999999999999999999.5L})
        for (int significant = 1; significant <= 18; ++significant) expectSame(v, significant);
}

TEST(DecimalTest, PowersOfTenAndTheirNeighbours) {
    for (int e = -30; e <= 40; ++e) {
        long double p = std::pow(10.0L, static_cast<long double>(e));
        for (long double v : {p, std::nextafter(p, 0.0L), std::nextafter(p, 2 * p)}) {
            expectSame(v, 18);
            expectSame(v, 15);
        }
    }
    // a run of nines that rounds up to the next power
    expectSame(9.999999999999999999L, 18);
    expectSame(99999.99999999999999L, 15);
}

TEST(DecimalTest, HugeAndTinyValuesTakeTheTextWay) {
    for (long double v : {1e300L, 1e-300L, 1e4000L, 3e-4900L, 1e18L, 1e19L, 1e-6L})
        expectSame(v, 18);
    EXPECT_EQ(expand(1e300L, 18).point, 301);
}

}  // namespace
}  // namespace qorix::decimal
