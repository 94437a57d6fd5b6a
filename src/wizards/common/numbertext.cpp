#include "wizards/common/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "platform/numberread.h"
#include "wizards/common/decimal.h"
#include "wizards/common/errors.h"

namespace qorix {

namespace {

std::string nonFinite(long double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

std::string shorten(std::string_view text) { return shortened(text, 60); }

std::string_view trimBlanks(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A hundredth of the last of `decimals` decimals.
long double negligibleBelow(int decimals) {
    static constexpr long double kTable[] = {1e-2L,  1e-3L,  1e-4L,  1e-5L,  1e-6L,  1e-7L,
                                             1e-8L,  1e-9L,  1e-10L, 1e-11L, 1e-12L, 1e-13L,
                                             1e-14L, 1e-15L, 1e-16L, 1e-17L, 1e-18L};
    if (decimals >= 0 && decimals < static_cast<int>(std::size(kTable))) return kTable[decimals];
    return std::pow(10.0L, -(decimals + 2));
}

}  // namespace

NumberText::NumberText(char separator) : separator_(separator) {}

std::string NumberText::f4(long double value) const { return fixed(value, 4); }

namespace {

// The integer digits and the decimals of a magnitude, and the digit after them that decides
// the rounding. Below a hundredth of the last decimal a value always writes as zero; its
// exact digits (thousands of them for a tiny long double) need not be worked out.
std::pair<std::string, char> keptDigits(long double magnitude, int decimals) {
    if (magnitude == 0 || magnitude < negligibleBelow(decimals))
        return {std::string(static_cast<std::size_t>(decimals), '0'), '0'};
    decimal::Digits d = decimal::expand(magnitude, 18);
    std::string all = d.point > 0 ? d.digits : std::string(-d.point, '0') + d.digits;
    int intDigits = d.point > 0 ? d.point : 0;
    std::size_t keep = static_cast<std::size_t>(intDigits + decimals);
    if (all.size() < keep + 1) all.append(keep + 1 - all.size(), '0');
    return {all.substr(0, keep), all[keep]};
}

// One unit more in the last kept digit, carried as far as it goes.
void roundUp(std::string& kept) {
    int i = static_cast<int>(kept.size()) - 1;
    while (i >= 0 && kept[i] == '9') kept[i--] = '0';
    if (i >= 0)
        ++kept[i];
    else
        kept.insert(kept.begin(), '1');
}

}  // namespace

std::string NumberText::fixed(long double value, int decimals) const {
    if (!std::isfinite(value)) return nonFinite(value);
    auto [kept, next] = keptDigits(std::fabs(value), decimals);
    if (next >= '5') roundUp(kept);
    const std::size_t frac = static_cast<std::size_t>(decimals);
    if (kept.size() < frac + 1) kept.insert(0, frac + 1 - kept.size(), '0');
    bool zero = kept.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (std::signbit(value) && !zero) out.push_back('-');
    out += kept.substr(0, kept.size() - frac);
    if (frac > 0) {
        out.push_back(separator_);
        out += kept.substr(kept.size() - frac);
    }
    return out;
}

std::string NumberText::general(long double value) const {
    if (!std::isfinite(value)) return nonFinite(value);
    if (value == 0) return "0";
    decimal::Digits d = decimal::expand(std::fabs(value), 15);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    std::string out = std::signbit(value) ? "-" : "";
    int exponent = d.point - 1;
    if (exponent < -5 || exponent >= 15) {
        out.push_back(d.digits[0]);
        if (d.digits.size() > 1) {
            out.push_back(separator_);
            out += d.digits.substr(1);
        }
        out += exponent < 0 ? "E-" : "E+";
        out += std::to_string(std::abs(exponent));
        return out;
    }
    if (d.point <= 0) {
        out += "0";
        out.push_back(separator_);
        out += std::string(-d.point, '0') + d.digits;
    } else if (static_cast<std::size_t>(d.point) >= d.digits.size()) {
        out += d.digits + std::string(d.point - d.digits.size(), '0');
    } else {
        out += d.digits.substr(0, d.point);
        out.push_back(separator_);
        out += d.digits.substr(d.point);
    }
    return out;
}

std::string NumberText::whole(std::int64_t value) { return std::to_string(value); }

namespace {

// The number as from_chars reads it ("-12.5e3"): a sign, digits with at most one of the run's
// separators, an exponent; nullopt for anything else.
std::optional<std::string> asciiNumber(std::string_view t, char separator) {
    std::string ascii;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') ascii.push_back('-');
        ++i;
    }
    bool digits = false, separated = false;
    for (; i < t.size(); ++i) {
        if (isDigit(t[i])) {
            digits = true;
            ascii.push_back(t[i]);
        } else if (t[i] == separator && !separated) {
            separated = true;
            ascii.push_back('.');
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ascii.push_back('e');
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ascii.push_back(t[i++]);
        const std::size_t before = ascii.size();
        for (; i < t.size() && isDigit(t[i]); ++i) ascii.push_back(t[i]);
        if (ascii.size() == before) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    return ascii;
}

}  // namespace

long double NumberText::toFloat(std::string_view text) const {
    auto fail = [&]() -> ConversionError {
        return ConversionError("„" + shorten(text) + "” nem érvényes szám.");
    };
    const std::optional<std::string> number = asciiNumber(trimBlanks(text), separator_);
    if (!number) throw fail();
    const std::string& ascii = *number;
    long double value = 0;
    auto res = platform::readLongDouble(ascii.data(), ascii.data() + ascii.size(), value);
    // A number too small for a long double is zero, as one too small for a double already is
    // (1e-400 and 1e-5000 alike).
    if (res.ec == std::errc::result_out_of_range && !decimal::overflows(ascii)) {
        res.ec = std::errc();
        value = ascii[0] == '-' ? -0.0L : 0.0L;
    }
    // Beyond a double the machine reads the number as infinite: it is no number for a field.
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size() || !std::isfinite(value) ||
        std::fabs(value) > std::numeric_limits<double>::max())
        throw fail();
    return value;
}

std::int32_t NumberText::toInt(std::string_view text) const {
    std::string_view t = trimBlanks(text);
    std::string_view digits = t;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') digits = {};
    }
    std::int32_t value = 0;
    auto res = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    bool sign = !digits.empty() && (isDigit(digits.front()) || digits.front() == '-');
    if (!sign || res.ec != std::errc() || res.ptr != digits.data() + digits.size())
        throw ConversionError("„" + shorten(text) + "” nem érvényes egész szám.");
    return value;
}

std::string NumberText::local(std::string_view commaText) const {
    std::string out(commaText);
    for (char& c : out)
        if (c == ',') c = separator_;
    return out;
}

std::string NumberText::fromSeparator(std::string_view text, char written) const {
    std::string out(text);
    if (written == separator_ || std::count(out.begin(), out.end(), written) != 1 ||
        out.find(separator_) != std::string::npos)
        return out;
    std::replace(out.begin(), out.end(), written, separator_);
    return out;
}

}  // namespace qorix
