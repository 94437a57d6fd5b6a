// Any bytes read as a program, as "inspect" and the preview read a file somebody chose: the
// reader returns, within its bound on executed lines, with moves and warnings that name real
// lines, warnings in line order, and a move count that grows only with the lines it ran.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzzcheck.h"
#include "program/reader.h"

using namespace qorix;

namespace {

// A bound well below the reader's default keeps each input quick; endless loops are still
// endless at this size.
constexpr std::size_t kExtraLines = 20'000;
// A line makes at most a handful of moves; a drilling cycle's pecks are bounded on their own.
constexpr std::size_t kMovesPerLine = 8;
constexpr std::size_t kPecksPerHole = 10'000;
// The budget of moves for the whole program, set low so that inputs stay quick; no input may
// pass it however its holes, pecks and calls multiply.
constexpr std::size_t kMoveBudget = 200'000;

void checkResult(const program::ReadResult& r, std::size_t lines) {
    fuzz::require(r.executedLines <= lines + kExtraLines + 1, "ran past the bound on lines");
    std::uint32_t last = 0;
    for (const auto& w : r.warnings) {
        fuzz::require(w.line <= lines, "a warning on a line the program does not have");
        fuzz::require(w.line == 0 || w.line >= last, "warnings out of line order");
        if (w.line != 0) last = w.line;
        fuzz::require(!w.text.empty(), "a warning without a text");
    }
    std::size_t holeMoves = 0;
    for (const auto& h : r.path.holes) {
        fuzz::require(h.pecks <= kPecksPerHole, "a hole with more pecks than the bound");
        holeMoves += 3 * std::size_t{h.pecks} + 3;
    }
    fuzz::require(r.path.moves.size() <= kMovesPerLine * (r.executedLines + 1) + holeMoves,
                  "more moves than the lines ran can make");
    fuzz::require(r.path.moves.size() <= kMoveBudget, "more moves than the budget");
    for (const auto& m : r.path.moves) {
        fuzz::require(m.line >= 1 && m.line <= lines, "a move on a line the program lacks");
        if (m.kind == program::MoveKind::Arc)
            fuzz::require(m.aux < r.path.arcs.size(), "an arc move without its arc");
    }
    fuzz::require(std::isfinite(r.measures.cutLength) && std::isfinite(r.measures.rapidLength) &&
                      std::isfinite(r.measures.timeSeconds) && r.measures.timeSeconds >= 0,
                  "a measure that is not a finite number");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    program::ReadOptions options;
    options.decimalSeparator = (data[0] & 1) ? '.' : ',';
    options.extraLineBound = kExtraLines;
    options.moveBudget = kMoveBudget;
    if (data[0] & 2) options.depthZ = -10;
    if (data[0] & 4) {  // as a page hands it over: the tool stands somewhere known
        options.startAt = {0, 0, 5};
        options.startKnown = program::kAxesAll;
    }
    auto result = program::readProgram(text, options);
    checkResult(result, program::splitLines(text).size());
    return 0;
}
