// The quick way to a program's number: digits with at most one decimal separator, no sign and
// no exponent, as every line of a program writes them.
#pragma once

#include <cstdint>
#include <string_view>

namespace qorix::program {

// A number of at most 2^53 in its digits and at most 22 digits after the separator is its
// digits as a whole number divided by a power of ten, both exact in a double: the division's
// one rounding gives the very same double as a full conversion (from_chars rounds correctly
// too). False for any other text, which the full conversion then reads.
inline bool readPlainNumber(std::string_view text, char separator, double& value) {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr std::uint64_t kExact = std::uint64_t{1} << 53;
    std::uint64_t digits = 0;
    std::size_t fraction = 0;
    bool point = false, any = false;
    for (char c : text) {
        if (c == separator && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') return false;
        digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        if (digits > kExact) return false;
        fraction += point ? 1 : 0;
        any = true;
    }
    if (!any || fraction >= std::size(kPowers)) return false;
    value = static_cast<double>(digits) / kPowers[fraction];
    return true;
}

}  // namespace qorix::program
