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

void FibonacciSpiralPage::GeneratePlainProgram() {
    ProgramText t = text();
    t.metricAbsolute();
    t.rapid({.z = rec.safeZ});
    t.rapid({.x = rec.x, .y = rec.y});
    t.setWorkOffset(6, {.x = rec.x, .y = rec.y, .z = rec.z});
    t.useWorkOffset(6);
    writeToolLines(t);
    if (rec.comments) {
        t.blank();
        t.comment("főciklus");
    }
    // under G59 the start Z is Z 0: the retract is the safe offset alone
    long double passZ = 0;
    for (std::int32_t k = 1; k <= rec.passes; ++k) {
        t.rapid({.z = rec.safeOffset});
        t.rapid({.x = whole(0), .y = whole(0)});
        passZ += rec.passDepth;
        t.feed({.z = passZ}, Feed(Value(rec.linearFeed), true));
        if (rec.comments) {
            t.blank();
            t.comment("egész körök ciklus");
        }
        rec.state.reset(rec.scale);
        for (std::int32_t turn = 0; turn < rec.fullTurns; ++turn)
            for (int quarter = 0; quarter < 4; ++quarter) quarterArc(t, quarter);
        for (int quarter = 0; quarter < rec.partTurns; ++quarter) quarterArc(t, quarter);
    }
    if (rec.comments) t.blank();
    t.feed({.z = 0}, Feed(Value(rec.linearFeed)));
    t.rapid({.z = rec.safeOffset});
    t.rapid({.x = whole(0), .y = whole(0)});
    t.useWorkOffset(1);
    t.spindleStop();
    t.programEnd();
}

void FibonacciSpiralPage::quarterArc(GCodeWriter& t, int quarter) {
    rec.state.moveToQuarterEnd(rec.cw != 0, quarter);
    const spiral::SpiralState& s = rec.state;
    t.arc(rec.cw ? Turn::cw : Turn::ccw, {.x = s.x, .y = s.y}, Radius{s.r},
          Feed(Value(rec.arcFeed)));
    rec.state.advance();
}

std::int64_t FibonacciSpiralPage::plainLineCount() const {
    const std::int64_t comments = rec.comments ? 1 : 0;
    const std::int64_t perPass =
        kPassMoveLines + 2 * comments + spiral::arcsPerPass(rec.fullTurns, rec.partTurns);
    return static_cast<std::int64_t>(headerLines().size()) + kOpeningLines + 2 * comments +
           rec.passes * perPass + comments + kClosingLines;
}

}  // namespace qorix
