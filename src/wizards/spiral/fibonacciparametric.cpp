// The parametric form, "Csak képlet": the page's values in macro variables, a main program
// that runs one subprogram per depth pass, and subprograms that compute and write the arcs
// on the machine. Its length does not depend on the turns or the passes.
#include "wizards/spiral/fibonacci.h"

namespace qorix {

namespace {

// Writes a line in its commented or its bare form, and the empty lines that only the
// commented program has.
class ParametricText {
public:
    ParametricText(TFrame2& page, bool comments) : page_(page), comments_(comments) {}
    void line(std::string text) { page_.AddLine(std::move(text)); }
    void line(const std::string& bare, const std::string& comment) {
        line(comments_ ? bare + " (" + comment + ")" : bare);
    }
    void gap() {
        if (comments_) line("");
    }

private:
    TFrame2& page_;
    bool comments_;
};

std::string signedTerm(const char* variable, int sign) {
    return std::string("#") + variable + "=[#" + variable + (sign > 0 ? "+" : "-") + "#4]";
}

}  // namespace

void TFrame2::quarterAssignments(int quarter) {
    spiral::QuarterSigns s = spiral::quarterSigns(rec.cw != 0, quarter);
    AddLine(signedTerm("1", s.dx));
    AddLine(signedTerm("2", s.dy));
    AddLine("M98 P3 L1");
}

void TFrame2::GenerateParametricProgram() {
    ParametricText p(*this, rec.comments != 0);
    auto f = [this](long double v) { return services().num.f4(v); };

    p.line("#1=0", "X tengely");
    p.line("#2=0", "Y tengely");
    p.line("#3=0", "Z tengely");
    p.line("#4=" + f(rec.scale), "V1 változó,első szám értéke, R sugár");
    p.line("#5=0", "V2 változó");
    p.line("#6=0", "VV változó");
    p.line("#7=" + f(rec.fullTurns), "egész körbefordulások száma");
    p.line("#8=" + NumberText::whole(rec.partTurns), "részfordulat *1/4");
    p.line("#9=" + f(rec.stepDown), "lépésenkénti maximális fogás");
    p.line("#10=" + f(rec.rotation), "elforgatás szöge");
    p.line("#11=" + f(rec.x), "X tengely kezdő értéke");
    p.line("#12=" + f(rec.y), "Y tengely kezdő értéke");
    p.line("#13=" + f(rec.z), "Z tengely kezdő értéke");
    p.line("#14=" + f(rec.zsb), "Z tengely biztonsági értéke");
    p.line("#15=" + f(rec.m), "marás mélysége");
    p.line("#16=[#13+#14]", "V3 változó, Z köztes pozíciók");
    p.line("#17=1", "V4 változó, főciklusok száma");
    p.line("#18=#15", "V5 változó, lépésenkénti mélység");
    p.line("#19=[10+#8]", "V6 változó részfordulat száma");
    p.line("#20=#4", "V7 változó, V1 mentése");
    p.gap();
    // The step-down is the typed one, whether or not its "nincs" box is ticked: the machine
    // divides the depth itself, always downwards.
    if (rec.stepDown != 0) {
        p.line("#17=[[[abs[#15]-[abs[#15]%#9]]/#9]+1]");
        p.line("#18=-abs[#15/#17]");
    }
    p.gap();

    p.line("G21 G90");
    p.line("G0 Z#16");
    p.line("G0 X#11 Y#12");
    p.line("G10 L2 P6 X#11 Y#12 Z#13");
    p.line("G59");
    p.line("#16=0");
    writeToolLines();
    p.gap();
    p.line("M98 P1 L#17", "főciklus");
    p.gap();
    p.line("G0 Z#14");
    p.line("G0 X0 Y0");
    p.line("G54");
    p.line("M5");
    p.line("M30");
    p.gap();

    p.line("O1", "főciklus");
    for (const char* l :
         {"G0 Z#14", "G0 X0 Y0", "#16=[#16+#18]", "#1=0", "#2=0", "#3=0", "#4=#20", "#5=0", "#6=0"})
        p.line(l);
    p.line("G1 Z#16 F" + f(rec.g1));
    p.line("M98 P2 L#7", "egész körök ciklus");
    p.line("M98 P#19 L1", "részfordulat ciklus");
    p.line("M99");
    p.gap();

    p.line("O2", "egész körök ciklus");
    for (int quarter = 0; quarter < 4; ++quarter) quarterAssignments(quarter);
    p.line("M99");
    p.gap();

    p.line("O3", "kiírás és léptetés");
    p.line(std::string(rec.cw ? "G2" : "G3") + " X#1 Y#2 R#4 F" + f(rec.g23));
    p.line("#6=#4");
    p.line("#4=[#4+#5]");
    p.line("#5=#6");
    p.line("M99");
    p.gap();

    static constexpr const char* kPartTurn[4] = {"0", "1/4", "1/2", "3/4"};
    for (int part = 0; part < 4; ++part) {
        p.line("O" + NumberText::whole(10 + part), std::string("részfordulat=") + kPartTurn[part]);
        for (int quarter = 0; quarter < part; ++quarter) quarterAssignments(quarter);
        p.line("M99");
        p.gap();
    }
}

}  // namespace qorix
