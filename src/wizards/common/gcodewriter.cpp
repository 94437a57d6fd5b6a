#include "wizards/common/gcodewriter.h"

namespace qorix {

namespace {
const char* motion(Turn turn) { return turn == Turn::ccw ? "G3" : "G2"; }
}  // namespace

Value Value::variable(std::string expression) {
    Value v(0);
    v.expression_ = std::move(expression);
    return v;
}

std::string Value::text(const NumberText& num) const {
    if (!expression_.empty()) return expression_;
    switch (form_) {
        case NumberForm::general:
            return num.general(number_);
        case NumberForm::whole:
            return NumberText::whole(static_cast<std::int64_t>(number_));
        case NumberForm::fixed:
            break;
    }
    return num.f4(number_);
}

std::string GCodeWriter::word(char letter, const Value& v) const {
    return std::string(1, letter) + v.text(num_);
}

std::string GCodeWriter::axes(const Axes& to) const {
    std::string s;
    auto add = [&](char letter, const std::optional<Value>& v) {
        if (v) s += " " + word(letter, *v);
    };
    if (to.yBeforeX) {
        add('Y', to.y);
        add('X', to.x);
    } else {
        add('X', to.x);
        add('Y', to.y);
    }
    add('Z', to.z);
    return s;
}

std::string GCodeWriter::feedWord(const Feed& f) const {
    return (f.joined ? "" : " ") + word('F', f.rate);
}

std::string GCodeWriter::noted(std::string text, const std::string& note) {
    return note.empty() ? text : text + " (" + note + ")";
}

void GCodeWriter::rapid(const Axes& to) { put("G0" + axes(to)); }
void GCodeWriter::feed(const Axes& to) { put("G1" + axes(to)); }
void GCodeWriter::feed(const Axes& to, const Feed& f) { put("G1" + axes(to) + feedWord(f)); }

// An arc of radius 0 (a circle as wide as the tool) ends where it starts, which a control
// refuses mid-program with the tool in the part: it is the straight feed it stands for, down
// in Z where the arc was to go down.
bool GCodeWriter::isNoArc(const Radius& r) const {
    const std::string text = r.r.text(num_);
    return text.find_first_not_of("-0.,") == std::string::npos;
}

namespace {
Axes inOrder(Axes to) {  // a feed names X before Y, whatever order its arc had
    to.yBeforeX = false;
    return to;
}
}  // namespace

void GCodeWriter::arc(Turn turn, const Axes& to, const Radius& r) {
    if (isNoArc(r)) return feed(inOrder(to));
    put(motion(turn) + axes(to) + " " + word('R', r.r));
}

void GCodeWriter::arc(Turn turn, const Axes& to, const Radius& r, const Feed& f) {
    if (isNoArc(r)) return feed(inOrder(to), f);
    put(motion(turn) + axes(to) + " " + word('R', r.r) + feedWord(f));
}

void GCodeWriter::arc(Turn turn, const Axes& to, const Centre& c) {
    put(motion(turn) + axes(to) + " " + word('I', c.i) + " " + word('J', c.j));
}

void GCodeWriter::arcFeed(Turn turn, const Feed& f) { put(motion(turn) + feedWord(f)); }

void GCodeWriter::dwell(std::int32_t milliseconds) { put("G4 P" + n(milliseconds)); }

void GCodeWriter::drillCycle(std::int32_t cycle, const Axes& at, const Value& peck,
                             const Value& retract, const Feed& f) {
    put("G" + n(cycle) + axes(at) + " " + word('Q', peck) + " " + word('R', retract) + feedWord(f));
}

void GCodeWriter::drillCycle(std::int32_t cycle, const Axes& at, const Value& retract,
                             const Feed& f) {
    put("G" + n(cycle) + axes(at) + " " + word('R', retract) + feedWord(f));
}

void GCodeWriter::drillAt(const Axes& at) { put(axes(at).substr(1)); }

void GCodeWriter::toolChange(const std::string& tool) { put("T" + tool + " M6"); }
void GCodeWriter::spindle(const std::string& speed, bool ccw) {
    put("S" + speed + (ccw ? " M4" : " M3"));
}
void GCodeWriter::spindleStop() { put("M5"); }

void GCodeWriter::coolant(std::int32_t which) {
    if (which == 7) put("M7");
    if (which == 8) put("M8");
}
void GCodeWriter::coolantOff() { put("M9"); }
void GCodeWriter::metricAbsolute() { put("G21 G90"); }
void GCodeWriter::programEnd() { put("M30"); }

void GCodeWriter::setWorkOffset(std::int32_t offset, const Axes& at) {
    put("G10 L2 P" + n(offset) + axes(at));
}
void GCodeWriter::useWorkOffset(std::int32_t offset) { put("G" + n(53 + offset)); }

void GCodeWriter::subprogram(std::int32_t number, const std::string& note) {
    put(noted("O" + n(number), note));
}
void GCodeWriter::call(const Value& number, const Value& times, const std::string& note) {
    put(noted("M98 " + word('P', number) + " " + word('L', times), note));
}
void GCodeWriter::subprogramEnd() { put("M99"); }

void GCodeWriter::comment(const std::string& text) { put("(" + text + ")"); }
void GCodeWriter::blank() { put(""); }
void GCodeWriter::parametric(const std::string& text, const std::string& note) {
    put(noted(text, note));
}

}  // namespace qorix
