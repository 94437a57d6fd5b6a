// Number text: the one place where numbers become text and text becomes numbers. The
// decimal separator is given once, when the program starts; nothing formats or parses
// numbers in any other way (the C locale is never consulted).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qorix {

class NumberText {
public:
    explicit NumberText(char separator = ',');
    char separator() const { return separator_; }

    // Four-decimal form ("0.0000"): the value expanded to 18 significant digits, rounded to
    // four decimals with halves away from zero; a value that rounds to zero has no minus sign.
    std::string f4(long double value) const;
    // The same with the given number of decimals, 0 to 10 ("0.00" is fixed(v, 2)).
    std::string fixed(long double value, int decimals) const;
    // General form: 15 significant digits, no trailing zeros, scientific (mantissa, "E",
    // signed exponent) below 0.00001 or with more than 15 integer digits.
    std::string general(long double value) const;
    // Whole numbers: plain digits.
    static std::string whole(std::int64_t value);

    // A field's number: blanks around it, a sign, digits with at most one separator, and an
    // exponent. Anything else, or a value beyond the range of a double, throws ConversionError.
    long double toFloat(std::string_view text) const;
    // A whole-number field: a sign and digits within 32 bits; a fraction throws.
    std::int32_t toInt(std::string_view text) const;

    // A default field text written with this run's separator: "0,0000" becomes "0.0000"
    // under dot settings.
    std::string local(std::string_view commaText) const;
    // A field text written under another separator (a job saved in another run), in this
    // run's: a number with one separator of that run and none of ours takes ours; any other
    // text stays as it is, for the field's check to judge.
    std::string fromSeparator(std::string_view text, char written) const;

private:
    char separator_;
};

}  // namespace qorix
