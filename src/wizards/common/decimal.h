// The decimal digits of a number, rounded to a count of significant digits (halves to even,
// as the C library's conversions do). Number text builds every form it writes on these.
#pragma once

#include <string>

namespace qorix::decimal {

// value = 0.d1d2d3... * 10^point, d1 != 0.
struct Digits {
    std::string digits;  // exactly `significant` digits
    int point = 0;
    bool operator==(const Digits&) const = default;
};

// magnitude: finite and above zero; significant: 1 to 18.
Digits expand(long double magnitude, int significant);

// The same through the C library's text conversion; exact for every value, but slower.
// expand() uses it outside the range that it can work out with integers.
Digits expandByText(long double magnitude, int significant);

// Whether a number text (an optional minus, digits with an optional ".", an optional "e" and a
// signed exponent) that lies beyond the range of a long double is too large rather than too
// small: the position of its first significant digit decides.
bool overflows(const std::string& ascii);

}  // namespace qorix::decimal
