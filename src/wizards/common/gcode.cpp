#include "wizards/common/gcode.h"

namespace qorix {

namespace {
bool toolOn(const CommonInputs& in) { return !(in.noTool && in.noTool->checked()); }
}  // namespace

void ProgramText::passHeader(const CommonRecord& rec, const std::string& stepLimitText) {
    if (rec.passes > 1) comment("mélységi ciklusok száma " + g(rec.passes));
    if (rec.stepLimit != rec.depth) {
        comment("ciklusonkénti mélység " + f(rec.passDepth));
        comment("lépésenkénti max fogási mélység " + stepLimitText);
    }
}

void ProgramText::directionHeader(const CommonRecord& rec) {
    comment(rec.ccw ? "forgásirány CCW" : "forgásirány CW");
}

void ProgramText::opening(const CommonRecord& rec, const CommonInputs& in) {
    if (rec.series == 0) metricAbsolute();
    rapid({.z = rec.safeZ});
    rapid({.x = rec.x, .y = rec.y});
    toolLines(rec, in);
    coolant(rec.coolant);
}

void ProgramText::toolLines(const CommonRecord& rec, const CommonInputs& in) {
    if (!toolOn(in)) return;
    toolChange(in.toolNumber ? in.toolNumber->text() : std::string());
    spindle(in.spindleSpeed ? in.spindleSpeed->text() : std::string(), rec.spindleCcw != 0);
    dwell(2000);
}

void ProgramText::closing(const CommonRecord& rec, const CommonInputs& in) {
    if (rec.comments && rec.series) {
        blank();
        blank();
    }
    if (rec.series) return;
    if (rec.coolant != 0) coolantOff();
    if (toolOn(in)) spindleStop();
    programEnd();
}

void ProgramText::comment(const CommonRecord& rec, const std::string& text) {
    if (rec.comments) comment(text);
}

void ProgramText::passComment(const CommonRecord& rec, std::int32_t pass) {
    if (rec.comments && rec.passes > 1) comment(n(pass) + ". mélységi ciklus");
}

}  // namespace qorix
