#include "wizards/common/gcode.h"

namespace qorix {

namespace {
bool toolOn(const CommonInputs& in) { return !(in.noTool && in.noTool->checked()); }
}  // namespace

void ProgramText::passHeader(const CommonRecord& rec, const std::string& stepLimitText) {
    if (rec.passes > 1) line("(mélységi ciklusok száma " + g(rec.passes) + ")");
    if (rec.szc != rec.m) {
        line("(ciklusonkénti mélység " + f(rec.passDepth) + ")");
        line("(lépésenkénti max fogási mélység " + stepLimitText + ")");
    }
}

void ProgramText::directionHeader(const CommonRecord& rec) {
    line(rec.ccw ? "(forgásirány CCW)" : "(forgásirány CW)");
}

void ProgramText::opening(const CommonRecord& rec, const CommonInputs& in) {
    if (rec.series == 0) line("G21 G90");
    line("G0 Z" + f(rec.zs));
    line("G0 X" + f(rec.x) + " Y" + f(rec.y));
    toolLines(rec, in);
    coolantLine(rec);
}

void ProgramText::toolLines(const CommonRecord& rec, const CommonInputs& in) {
    if (!toolOn(in)) return;
    line("T" + (in.szsz ? in.szsz->text() : std::string()) + " M6");
    line("S" + (in.ff ? in.ff->text() : std::string()) + (rec.m4 ? " M4" : " M3"));
    line("G4 P2000");
}

void ProgramText::coolantLine(const CommonRecord& rec) {
    if (rec.coolant == 7) line("M7");
    if (rec.coolant == 8) line("M8");
}

void ProgramText::closing(const CommonRecord& rec, const CommonInputs& in) {
    if (rec.comments && rec.series) {
        line("");
        line("");
    }
    if (rec.series) return;
    if (rec.coolant != 0) line("M9");
    if (toolOn(in)) line("M5");
    line("M30");
}

void ProgramText::comment(const CommonRecord& rec, const std::string& text) {
    if (rec.comments) line(text);
}

void ProgramText::passComment(const CommonRecord& rec, std::int32_t pass) {
    if (rec.comments && rec.passes > 1) line("(" + n(pass) + ". mélységi ciklus)");
}

}  // namespace qorix
