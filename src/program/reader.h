// The program reader: any program text in this program's dialect, read as the machine would
// run it, into a toolpath in machine coordinates with its measures and its warnings.
#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "program/linetext.h"
#include "program/measures.h"
#include "program/messages.h"
#include "program/toolpath.h"

namespace qorix::program {

struct ReadOptions {
    // The separator of the numbers; with separatorFromFile, only for a program whose numbers
    // have no fraction, the first number with one telling the program's own.
    char decimalSeparator = ',';
    bool separatorFromFile = false;
    // The top of the part: rapids in X or Y below it go into the part. A page hands over its
    // start Z; for a file the user may set it.
    double topZ = 0;
    // The lowest Z the page asked for, when it is known.
    std::optional<double> depthZ;
    // A series part has no end of its own. For a file this is not known: a program that
    // never writes the opening "G21" is taken for one.
    std::optional<bool> seriesPart;
    // Where a page says the tool stands before the program (machine coordinates, any axes).
    std::array<double, 3> startAt{};
    std::uint8_t startKnown = 0;
    // Executed lines beyond the program's own line count before a loop is taken as endless.
    std::size_t extraLineBound = 1'000'000;
    // Moves of the whole program, pecks included, before reading stops (some 80 MB of them):
    // a million-line program makes about a million.
    std::size_t moveBudget = 2'000'000;
    // The drilling cycles' back-off above the last peck: the control's setting, not the
    // program's (0,5 mm is this machine's).
    double peckBackOff = 0.5;
    MeasureOptions measure;
    // Called now and then with the lines executed and the program's lines; false cancels.
    std::function<bool(std::size_t done, std::size_t total)> progress;
};

struct ReadResult {
    Toolpath path;
    Measures measures;
    std::vector<Warning> warnings;  // in line order
    bool ended = false;             // the program reached M30 (or M2)
    bool cancelled = false;
    bool stoppedEndless = false;   // stopped at the bound on executed lines
    bool stoppedAtBudget = false;  // stopped at ReadOptions::moveBudget
    std::size_t executedLines = 0;
    char decimalSeparator = ',';     // the one the numbers were read with
    bool separatorFromFile = false;  // found in the program, not taken from the options
    double peckBackOff = 0.5;        // the back-off the cycles were drawn with
};

ReadResult readProgram(std::string_view text, const ReadOptions& options);
ReadResult readProgram(const std::vector<std::string>& lines, const ReadOptions& options);
ReadResult readProgram(const LineText& lines, const ReadOptions& options);

// What is left of a reading that failed (memory ran out): no moves, one warning saying why.
ReadResult failedRead(const std::exception& failure);

// Splits a text into lines (LF or CR LF ends); the views point into text.
std::vector<std::string_view> splitLines(std::string_view text);

}  // namespace qorix::program
