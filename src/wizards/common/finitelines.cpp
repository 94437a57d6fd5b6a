#include "wizards/common/finitelines.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/numberread.h"
#include "wizards/common/decimal.h"
#include "wizards/common/errors.h"

namespace qorix {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
// Accented letters (bytes of UTF-8 sequences) count as letters, so "infó" is a word.
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           static_cast<unsigned char>(c) >= 0x80;
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool nonFiniteWord(const std::string& word) {
    auto bad = [](const std::string& w) { return w == "nan" || w == "inf" || w == "infinity"; };
    std::string w = lower(word);
    // also after the address letter of a G-code word ("XNAN")
    return bad(w) || (w.size() > 3 && bad(w.substr(1)));
}

// The number that starts at i (digits, one separator, an exponent): whether a double holds it.
bool finiteNumberAt(const std::string& line, std::size_t& i) {
    std::string ascii;
    for (; i < line.size() && isDigit(line[i]); ++i) ascii.push_back(line[i]);
    if (i + 1 < line.size() && (line[i] == ',' || line[i] == '.') && isDigit(line[i + 1])) {
        ascii.push_back('.');
        for (++i; i < line.size() && isDigit(line[i]); ++i) ascii.push_back(line[i]);
    }
    if (i < line.size() && (line[i] == 'E' || line[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < line.size() && (line[j] == '+' || line[j] == '-')) ++j;
        if (j < line.size() && isDigit(line[j])) {
            ascii.push_back('e');
            if (line[j - 1] == '-') ascii.push_back('-');
            for (i = j; i < line.size() && isDigit(line[i]); ++i) ascii.push_back(line[i]);
        }
    }
    long double value = 0;
    auto res = platform::readLongDouble(ascii.data(), ascii.data() + ascii.size(), value);
    if (res.ec == std::errc::result_out_of_range) return !decimal::overflows(ascii);
    return std::fabs(value) <= std::numeric_limits<double>::max();
}

// A number without an exponent and with at most 308 integer digits stays below the largest
// double, so it needs no reading: the cursor moves past it. Other numbers leave it in place.
bool skipPlainNumber(const std::string& line, std::size_t& i) {
    std::size_t j = i;
    while (j < line.size() && isDigit(line[j])) ++j;
    if (j - i > 308) return false;
    if (j + 1 < line.size() && (line[j] == ',' || line[j] == '.') && isDigit(line[j + 1]))
        for (++j; j < line.size() && isDigit(line[j]); ++j) {
        }
    if (j < line.size() && (line[j] == 'E' || line[j] == 'e')) {
        std::size_t k = j + 1;
        if (k < line.size() && (line[k] == '+' || line[k] == '-')) ++k;
        if (k < line.size() && isDigit(line[k])) return false;
    }
    i = j;
    return true;
}

}  // namespace

bool lineIsFinite(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size()) {
        if (isLetter(line[i])) {
            std::size_t start = i;
            while (i < line.size() && isLetter(line[i])) ++i;
            // "nan" to "Xinfinity"
            const std::size_t length = i - start;
            if (length >= 3 && length <= 9 && nonFiniteWord(line.substr(start, length)))
                return false;
        } else if (isDigit(line[i])) {
            if (!skipPlainNumber(line, i) && !finiteNumberAt(line, i)) return false;
        } else {
            ++i;
        }
    }
    return true;
}

std::string firstNonFiniteLine(const std::vector<std::string>& lines, std::size_t from) {
    for (std::size_t i = from; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        if (!lineIsFinite(l)) return shortened(l, 120);
    }
    return {};
}

}  // namespace qorix
