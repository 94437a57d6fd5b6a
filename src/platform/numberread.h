// Reading a decimal number into a long double with the same bits on every system. MinGW's
// std::from_chars for long double reads through a double (its last digits differ from
// Linux's, and so do programs), so numbers are read here and nowhere else.
#pragma once

#include <charconv>

namespace qorix::platform {

// As std::from_chars, reads the plain decimal at first (an optional minus sign, digits with an
// optional "." and fraction, an optional exponent: "e", optional sign, digits) and points
// past it; no such decimal is invalid_argument. The value is the one nearest to the decimal
// (ties to even). A value beyond the largest long double, or a non-zero decimal that comes
// out zero or subnormal, is result_out_of_range and leaves value as it was.
std::from_chars_result readLongDouble(const char* first, const char* last, long double& value);

}  // namespace qorix::platform
