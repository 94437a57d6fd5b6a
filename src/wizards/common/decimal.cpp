#include "wizards/common/decimal.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace qorix::decimal {

namespace {

using u128 = unsigned __int128;

std::uint64_t powerOfTen(int n) {
    std::uint64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

std::string digitsOf(std::uint64_t n, int count) {
    std::string s(static_cast<std::size_t>(count), '0');
    for (int i = count - 1; i >= 0 && n > 0; --i, n /= 10) s[i] = static_cast<char>('0' + n % 10);
    return s;
}

// The value is mantissa * 2^-shift with a 64-bit mantissa. Scaled by 10^scale it is an
// integer part and a binary fraction, both exact in 128 bits while scale <= 19.
struct Scaled {
    u128 whole;
    u128 fraction;  // out of 2^shift
};

Scaled scale(std::uint64_t mantissa, int shift, int scale) {
    u128 n = static_cast<u128>(mantissa) * powerOfTen(scale);
    return {n >> shift, n & ((static_cast<u128>(1) << shift) - 1)};
}

}  // namespace

Digits expand(long double magnitude, int significant) {
    int exponent = 0;
    long double fraction = std::frexp(magnitude, &exponent);  // magnitude = fraction * 2^exponent
    // The point is this or one more: 2^(exponent-1) <= magnitude < 2^exponent, and
    // 78913 / 2^18 is log10(2) closely enough (a wrong guess is caught below).
    int point = (((exponent - 1) * 78913) >> 18) + 1;
    const int shift = 64 - exponent;
    int scaleBy = significant - point;
    // Within these bounds every product fits 128 bits; other values go the slow way.
    if (scaleBy < 1 || scaleBy > 19 || shift < 1 || shift > 127)
        return expandByText(magnitude, significant);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const std::uint64_t limit = powerOfTen(significant);
    Scaled s = scale(mantissa, shift, scaleBy);
    if (s.whole >= limit) {
        ++point;
        s = scale(mantissa, shift, --scaleBy);
    }
    if (s.whole >= limit || s.whole < limit / 10) return expandByText(magnitude, significant);
    const u128 half = static_cast<u128>(1) << (shift - 1);
    auto rounded = static_cast<std::uint64_t>(s.whole);
    if (s.fraction > half || (s.fraction == half && rounded % 2 == 1)) ++rounded;
    if (rounded == limit) {
        rounded /= 10;
        ++point;
    }
    return {digitsOf(rounded, significant), point};
}

Digits expandByText(long double magnitude, int significant) {
    char buf[128];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                             significant - 1);
    std::string text(buf, res.ptr);
    Digits d;
    std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') d.digits.push_back(text[i]);
    d.point = std::stoi(text.substr(e + 1)) + 1;
    return d;
}

bool overflows(const std::string& ascii) {
    const std::size_t start = !ascii.empty() && ascii[0] == '-' ? 1 : 0;
    const std::size_t e = ascii.find('e');
    const std::string mantissa = ascii.substr(start, e == std::string::npos ? e : e - start);
    std::size_t point = mantissa.find('.');
    if (point == std::string::npos) point = mantissa.size();
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string::npos) return false;  // zero
    long long order = first < point ? static_cast<long long>(point - first)
                                    : -static_cast<long long>(first - point - 1);
    long long exponent = 0;
    if (e != std::string::npos) {
        for (std::size_t k = e + 1; k < ascii.size(); ++k)
            if (ascii[k] >= '0' && ascii[k] <= '9' && exponent < 100000)
                exponent = exponent * 10 + (ascii[k] - '0');
        if (e + 1 < ascii.size() && ascii[e + 1] == '-') exponent = -exponent;
    }
    return order + exponent > 0;
}

}  // namespace qorix::decimal
