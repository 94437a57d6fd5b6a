// The lines every program shares: the header lines about depth passes, the standard
// opening (units, safe height, tool, spindle, dwell, coolant) and the standard closing,
// written through the G-code writer.
#pragma once

#include <string>

#include "ui/controls.h"
#include "wizards/common/frame.h"
#include "wizards/common/gcodewriter.h"
#include "wizards/common/numbertext.h"

namespace qorix {

class ProgramText : public GCodeWriter {
public:
    using GCodeWriter::comment;
    using GCodeWriter::GCodeWriter;

    // "(mélységi ciklusok száma N)" when there is more than one pass; the two step lines
    // when the step limit and the depth differ.
    void passHeader(const CommonRecord& rec, const std::string& stepLimitText);
    void directionHeader(const CommonRecord& rec);

    // "G21 G90" (single mode), safe Z, start point, tool lines, coolant.
    void opening(const CommonRecord& rec, const CommonInputs& in);
    // The tool change, spindle start and dwell, when the tool box "nincs" is clear.
    void toolLines(const CommonRecord& rec, const CommonInputs& in);
    // Two empty lines in series mode with comments; in single mode M9, M5 and M30.
    void closing(const CommonRecord& rec, const CommonInputs& in);

    // Comment lines of the body, written only when comments are on.
    void comment(const CommonRecord& rec, const std::string& text);
    void passComment(const CommonRecord& rec, std::int32_t pass);
};

}  // namespace qorix
