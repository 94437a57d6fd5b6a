// Field reading: a float or whole-number field holding any text, under both separators.
// A text is either refused with a conversion error or read as a finite number whose
// written forms read back to the same value.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzzcheck.h"
#include "wizards/common/errors.h"
#include "wizards/common/numbertext.h"

using namespace qorix;

namespace {

bool hasNonFiniteWord(const std::string& s) {
    return s.find("NAN") != std::string::npos || s.find("INF") != std::string::npos;
}

void readFloat(const NumberText& num, std::string_view text) {
    long double v;
    try {
        v = num.toFloat(text);
    } catch (const ConversionError&) {
        return;
    }
    fuzz::require(std::isfinite(v), "toFloat gave a number that is not finite");
    std::string f = num.f4(v), g = num.general(v);
    fuzz::require(!hasNonFiniteWord(f) && !hasNonFiniteWord(g), "written as " + f + " / " + g);
    // Values far below anything a field means may underflow when read back; they are not
    // what this checks.
    if (std::fabs(v) < 1e-4900L) return;
    long double back = num.toFloat(g);
    fuzz::require(std::fabs(back - v) <= std::fabs(v) * 1e-14L,
                  "general form " + g + " reads back otherwise");
    long double fixed = num.toFloat(f);
    fuzz::require(std::fabs(fixed - v) <= 0.00005L + std::fabs(v) * 1e-17L,
                  "four-decimal form " + f + " reads back otherwise");
}

void readWhole(const NumberText& num, std::string_view text) {
    std::int32_t v;
    try {
        v = num.toInt(text);
    } catch (const ConversionError&) {
        return;
    }
    fuzz::require(num.toInt(NumberText::whole(v)) == v, "whole number does not read back");
    // A whole-number text is a number text too.
    fuzz::require(num.toFloat(text) == static_cast<long double>(v), "toFloat differs from toInt");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (char sep : {',', '.'}) {
        NumberText num(sep);
        readFloat(num, text);
        readWhole(num, text);
    }
    return 0;
}
