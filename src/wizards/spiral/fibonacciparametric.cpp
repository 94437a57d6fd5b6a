// The parametric form, "Csak képlet": the page's values in macro variables, a main program
// that runs one subprogram per depth pass, and subprograms that compute and write the arcs
// on the machine. Its length does not depend on the turns or the passes.
#include "wizards/spiral/fibonacci.h"

namespace qorix {

// Writes a line with its note when the program is commented, and the empty lines that only
// the commented program has.
class ParametricText {
public:
    ParametricText(GCodeWriter& out, bool comments) : out(out), comments_(comments) {}
    std::string note(const std::string& text) const { return comments_ ? text : std::string(); }
    void set(const std::string& assignment, const std::string& text = {}) {
        out.parametric(assignment, note(text));
    }
    void gap() {
        if (comments_) out.blank();
    }
    GCodeWriter& out;

private:
    bool comments_;
};

namespace {

std::string signedTerm(const char* variable, int sign) {
    return std::string("#") + variable + "=[#" + variable + (sign > 0 ? "+" : "-") + "#4]";
}

Value var(const char* expression) { return Value::variable(expression); }

}  // namespace

void FibonacciSpiralPage::quarterAssignments(GCodeWriter& t, int quarter) {
    spiral::QuarterSigns s = spiral::quarterSigns(rec.cw != 0, quarter);
    t.parametric(signedTerm("1", s.dx));
    t.parametric(signedTerm("2", s.dy));
    t.call(whole(3), whole(1));
}

void FibonacciSpiralPage::GenerateParametricProgram() {
    ProgramText t = text();
    ParametricText p(t, rec.comments != 0);
    auto f = [this](long double v) { return services().num.f4(v); };

    p.set("#1=0", "X tengely");
    p.set("#2=0", "Y tengely");
    p.set("#3=0", "Z tengely");
    p.set("#4=" + f(rec.scale), "V1 változó,első szám értéke, R sugár");
    p.set("#5=0", "V2 változó");
    p.set("#6=0", "VV változó");
    p.set("#7=" + f(rec.fullTurns), "egész körbefordulások száma");
    p.set("#8=" + NumberText::whole(rec.partTurns), "részfordulat *1/4");
    p.set("#9=" + f(rec.stepDown), "lépésenkénti maximális fogás");
    p.set("#10=" + f(rec.rotation), "elforgatás szöge");
    p.set("#11=" + f(rec.x), "X tengely kezdő értéke");
    p.set("#12=" + f(rec.y), "Y tengely kezdő értéke");
    p.set("#13=" + f(rec.z), "Z tengely kezdő értéke");
    p.set("#14=" + f(rec.safeOffset), "Z tengely biztonsági értéke");
    p.set("#15=" + f(rec.depth), "marás mélysége");
    p.set("#16=[#13+#14]", "V3 változó, Z köztes pozíciók");
    p.set("#17=1", "V4 változó, főciklusok száma");
    p.set("#18=#15", "V5 változó, lépésenkénti mélység");
    p.set("#19=[10+#8]", "V6 változó részfordulat száma");
    p.set("#20=#4", "V7 változó, V1 mentése");
    p.gap();
    // The step-down is the typed one, whether or not its "nincs" box is ticked: the machine
    // divides the depth itself, always downwards.
    if (rec.stepDown != 0) {
        p.set("#17=[[[abs[#15]-[abs[#15]%#9]]/#9]+1]");
        p.set("#18=-abs[#15/#17]");
    }
    p.gap();
    writeParametricMain(p);
    writeParametricSubprograms(p);
}

void FibonacciSpiralPage::writeParametricMain(ParametricText& p) {
    GCodeWriter& t = p.out;
    t.metricAbsolute();
    t.rapid({.z = var("#16")});
    t.rapid({.x = var("#11"), .y = var("#12")});
    t.setWorkOffset(6, {.x = var("#11"), .y = var("#12"), .z = var("#13")});
    t.useWorkOffset(6);
    p.set("#16=0");
    writeToolLines(t);
    p.gap();
    t.call(whole(1), var("#17"), p.note("főciklus"));
    p.gap();
    t.rapid({.z = var("#14")});
    t.rapid({.x = whole(0), .y = whole(0)});
    t.useWorkOffset(1);
    t.spindleStop();
    t.programEnd();
    p.gap();
}

void FibonacciSpiralPage::writeParametricSubprograms(ParametricText& p) {
    GCodeWriter& t = p.out;
    t.subprogram(1, p.note("főciklus"));
    t.rapid({.z = var("#14")});
    t.rapid({.x = whole(0), .y = whole(0)});
    for (const char* l : {"#16=[#16+#18]", "#1=0", "#2=0", "#3=0", "#4=#20", "#5=0", "#6=0"})
        p.set(l);
    t.feed({.z = var("#16")}, Feed(Value(rec.linearFeed)));
    t.call(whole(2), var("#7"), p.note("egész körök ciklus"));
    t.call(var("#19"), whole(1), p.note("részfordulat ciklus"));
    t.subprogramEnd();
    p.gap();

    t.subprogram(2, p.note("egész körök ciklus"));
    for (int quarter = 0; quarter < 4; ++quarter) quarterAssignments(t, quarter);
    t.subprogramEnd();
    p.gap();

    t.subprogram(3, p.note("kiírás és léptetés"));
    t.arc(rec.cw ? Turn::cw : Turn::ccw, {.x = var("#1"), .y = var("#2")}, Radius{var("#4")},
          Feed(Value(rec.arcFeed)));
    for (const char* l : {"#6=#4", "#4=[#4+#5]", "#5=#6"}) p.set(l);
    t.subprogramEnd();
    p.gap();

    static constexpr const char* kPartTurn[4] = {"0", "1/4", "1/2", "3/4"};
    for (int part = 0; part < 4; ++part) {
        t.subprogram(10 + part, p.note(std::string("részfordulat=") + kPartTurn[part]));
        for (int quarter = 0; quarter < part; ++quarter) quarterAssignments(t, quarter);
        t.subprogramEnd();
        p.gap();
    }
}

}  // namespace qorix
