// The lines every program shares: the header lines about depth passes, the standard
// opening (units, safe height, tool, spindle, dwell, coolant) and the standard closing.
// A page's generator only decides which of its own words come in which order.
#pragma once

#include <string>

#include "ui/controls.h"
#include "wizards/common/frame.h"
#include "wizards/common/numbertext.h"

namespace qorix {

class ProgramText {
public:
    ProgramText(ui::Memo& out, const NumberText& num) : out_(out), num_(num) {}
    void line(std::string text) { out_.add(std::move(text)); }
    // Four-decimal form, general form, whole number.
    std::string f(long double v) const { return num_.f4(v); }
    std::string g(long double v) const { return num_.general(v); }
    static std::string n(std::int64_t v) { return NumberText::whole(v); }

    // "(mélységi ciklusok száma N)" when there is more than one pass; the two step lines
    // when the step limit and the depth differ.
    void passHeader(const CommonRecord& rec, const std::string& stepLimitText);
    void directionHeader(const CommonRecord& rec);

    // "G21 G90" (single mode), safe Z, start point, tool lines, coolant.
    void opening(const CommonRecord& rec, const CommonInputs& in);
    // The tool change, spindle start and dwell, when the tool box "nincs" is clear.
    void toolLines(const CommonRecord& rec, const CommonInputs& in);
    void coolantLine(const CommonRecord& rec);
    // Two empty lines in series mode with comments; in single mode M9, M5 and M30.
    void closing(const CommonRecord& rec, const CommonInputs& in);

    // Comment lines of the body, written only when comments are on.
    void comment(const CommonRecord& rec, const std::string& text);
    void passComment(const CommonRecord& rec, std::int32_t pass);

private:
    ui::Memo& out_;
    const NumberText& num_;
};

}  // namespace qorix
