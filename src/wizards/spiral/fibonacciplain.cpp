// The plain form, "Csak G kód": every arc of every pass written out. G59's origin is moved
// to the start point, so the spiral is written around X0 Y0 and its depths count from Z 0.
#include "wizards/spiral/fibonacci.h"

namespace qorix {

namespace {
// Lines of the plain program around the passes: the opening up to the dwell and the closing
// from the climb back to Z 0.
constexpr std::int64_t kOpeningLines = 8;
constexpr std::int64_t kClosingLines = 6;
constexpr std::int64_t kPassMoveLines = 3;
}  // namespace

void TFrame2::GeneratePlainProgram() {
    ProgramText t = text();
    t.line("G21 G90");
    t.line("G0 Z" + t.f(rec.zs));
    t.line("G0 X" + t.f(rec.x) + " Y" + t.f(rec.y));
    t.line("G10 L2 P6 X" + t.f(rec.x) + " Y" + t.f(rec.y) + " Z" + t.f(rec.z));
    t.line("G59");
    writeToolLines();
    if (rec.comments) {
        t.line("");
        t.line("(főciklus)");
    }
    // under G59 the start Z is Z 0: the retract is the safe offset alone
    long double passZ = 0;
    for (std::int32_t k = 1; k <= rec.passes; ++k) {
        t.line("G0 Z" + t.f(rec.zsb));
        t.line("G0 X0 Y0");
        passZ += rec.passDepth;
        t.line("G1 Z" + t.f(passZ) + "F" + t.f(rec.g1));
        if (rec.comments) {
            t.line("");
            t.line("(egész körök ciklus)");
        }
        rec.state.reset(rec.scale);
        for (std::int32_t turn = 0; turn < rec.fullTurns; ++turn)
            for (int quarter = 0; quarter < 4; ++quarter) quarterArc(quarter);
        for (int quarter = 0; quarter < rec.partTurns; ++quarter) quarterArc(quarter);
    }
    if (rec.comments) t.line("");
    t.line("G1 Z" + t.f(0) + " F" + t.f(rec.g1));
    t.line("G0 Z" + t.f(rec.zsb));
    t.line("G0 X0 Y0");
    t.line("G54");
    t.line("M5");
    t.line("M30");
}

void TFrame2::quarterArc(int quarter) {
    rec.state.moveToQuarterEnd(rec.cw != 0, quarter);
    WriteArc();
}

void TFrame2::WriteArc() {
    const NumberText& num = services().num;
    const spiral::SpiralState& s = rec.state;
    AddLine((rec.cw ? "G2 X" : "G3 X") + num.f4(s.x) + " Y" + num.f4(s.y) + " R" + num.f4(s.r) +
            " F" + num.f4(rec.g23));
    rec.state.advance();
}

std::int64_t TFrame2::plainLineCount() const {
    const std::int64_t comments = rec.comments ? 1 : 0;
    const std::int64_t perPass =
        kPassMoveLines + 2 * comments + spiral::arcsPerPass(rec.fullTurns, rec.partTurns);
    return static_cast<std::int64_t>(headerLines().size()) + kOpeningLines + 2 * comments +
           rec.passes * perPass + comments + kClosingLines;
}

}  // namespace qorix
