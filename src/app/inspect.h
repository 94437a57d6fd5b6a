// "inspect": a program read, measured and checked, told in Hungarian or as JSON, and drawn
// as an SVG picture on request. "generate … --inspect" does the same for what it wrote.
//   qorix-wizards-cli inspect [FILE|-] [--decimal-separator=C] [--svg=FILE] [--json]
//                     [--top=Z] [--rapid-rate=MM_PER_MIN] [--tool-change-time=S]
//                     [--tool-diameter=D] [--depth=Z] [--back-off=MM] [--moves]
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "app/wizardregistry.h"
#include "program/reader.h"

namespace qorix {

struct InspectOptions {
    program::ReadOptions read;
    std::string svg;  // empty: no picture
    bool json = false;
    bool moves = false;  // with json: the move list too
    double toolDiameter = 0;
};

// Takes an inspect option from arg; false when arg is none of them (a bad value throws
// UsageError). The separator is set before, from --decimal-separator or the regional one.
bool inspectOption(const std::string& arg, InspectOptions& options);

// What a page tells of the program it wrote: the top of the part, the depth it asked for,
// whether it is a series part, the drill's size.
void pageFacts(CliWizard& wizard, InspectOptions& options);

// Prints the measures and warnings; 0 clean, 1 with warnings, 2 when a file cannot be read
// or written.
int inspectLines(const std::vector<std::string>& lines, const InspectOptions& options,
                 std::ostream& out, std::ostream& err);

// The verb: args without the program name, "inspect" first.
int runInspect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               char regionalSeparator);

}  // namespace qorix
