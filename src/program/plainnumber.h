// The quick way to a program's number: digits with at most one decimal separator, no sign and
// no exponent, as every line of a program writes them.
#pragma once

#include <cstdint>
#include <string_view>

namespace qorix::program {

// A number of at most 2^53 in its digits and at most 22 digits after the separator is its
// digits as a whole number divided by a power of ten, both exact in a double: the division's
// one rounding gives the very same double as a full conversion (from_chars rounds correctly
// too). The digits are taken one by one as a scan meets them.
class PlainDigits {
public:
    void digit(char c, bool afterSeparator) {
        if (exact_) {
            digits_ = digits_ * 10 + static_cast<std::uint64_t>(c - '0');
            exact_ = digits_ <= kExact;
        }
        fraction_ += afterSeparator ? 1 : 0;
        any_ = true;
    }
    // False when the digits are too many for the quick way: the full conversion reads them.
    bool value(double& v) const {
        static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        if (!exact_ || !any_ || fraction_ >= std::size(kPowers)) return false;
        v = static_cast<double>(digits_) / kPowers[fraction_];
        return true;
    }

private:
    static constexpr std::uint64_t kExact = std::uint64_t{1} << 53;
    std::uint64_t digits_ = 0;
    std::size_t fraction_ = 0;
    bool exact_ = true, any_ = false;
};

// The whole text as one plain number; false for any other text.
inline bool readPlainNumber(std::string_view text, char separator, double& value) {
    PlainDigits digits;
    bool point = false;
    for (char c : text) {
        if (c == separator && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') return false;
        digits.digit(c, point);
    }
    return digits.value(value);
}

}  // namespace qorix::program
