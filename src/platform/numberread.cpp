#include "platform/numberread.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#ifndef _WIN32
#include <locale.h>
#endif

namespace qorix::platform {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The end of the plain decimal that starts at first, nullptr when there is none; nonZero
// tells whether any of its digits before the exponent is not 0.
const char* plainDecimalEnd(const char* p, const char* last, bool& nonZero) {
    nonZero = false;
    if (p != last && *p == '-') ++p;
    bool digits = false;
    for (; p != last && isDigit(*p); ++p) digits = true, nonZero |= *p != '0';
    if (p != last && *p == '.')
        for (++p; p != last && isDigit(*p); ++p) digits = true, nonZero |= *p != '0';
    if (!digits) return nullptr;
    if (p != last && (*p == 'e' || *p == 'E')) {
        const char* e = p + 1;
        if (e != last && (*e == '+' || *e == '-')) ++e;
        if (e == last || !isDigit(*e)) return p;
        for (p = e; p != last && isDigit(*p); ++p) {
        }
    }
    return p;
}

#ifdef _WIN32
// MinGW-w64's strtold rounds correctly to the 80-bit format; it takes the C library's
// decimal point, which the programs leave at ".".
long double readC(std::string& text) {
    const char* point = std::localeconv()->decimal_point;
    if (point && point[0] != '.' && point[0] != '\0')
        for (char& c : text)
            if (c == '.') c = point[0];
    return std::strtold(text.c_str(), nullptr);
}
#else
// glibc's strtold under the C locale, whatever the process's own locale is (the desktop
// program's toolkit sets the user's).
long double readC(std::string& text) {
    static locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t(0));
    return strtold_l(text.c_str(), nullptr, c);
}
#endif

}  // namespace

std::from_chars_result readLongDouble(const char* first, const char* last, long double& value) {
    bool nonZero = false;
    const char* end = plainDecimalEnd(first, last, nonZero);
    if (!end) return {first, std::errc::invalid_argument};
    std::string text(first, end);
    long double v = readC(text);
    if (std::isinf(v) || (nonZero && std::fpclassify(v) != FP_NORMAL))
        return {end, std::errc::result_out_of_range};
    value = v;
    return {end, std::errc()};
}

}  // namespace qorix::platform
