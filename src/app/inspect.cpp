#include "app/inspect.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <iterator>

#include "app/cli.h"
#include "app/previewfacts.h"
#include "app/programfile.h"
#include "link/textfile.h"
#include "program/report.h"
#include "program/svg.h"
#include "wizards/common/errors.h"

namespace qorix {

namespace {

// Option values are written with a dot or with the run's separator alike.
double number(const std::string& arg, std::size_t from) {
    std::string text = arg.substr(from);
    for (char& c : text)
        if (c == ',') c = '.';
    double v = 0;
    auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size() ||
        !std::isfinite(v))
        throw UsageError("nem szám: " + arg);
    return v;
}

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

std::vector<std::string> readInput(const std::string& file) {
    if (file != "-") return readProgramFile(file);
    std::string bytes((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    std::string text = textfile::fromCp1250(bytes);
    std::vector<std::string> lines;
    for (auto view : program::splitLines(text)) lines.emplace_back(view);
    return lines;
}

}  // namespace

bool inspectOption(const std::string& arg, InspectOptions& o) {
    if (arg == "--json") {
        o.json = true;
    } else if (startsWith(arg, "--svg=")) {
        o.svg = arg.substr(6);
        if (o.svg.empty()) throw UsageError("hiányzik a fájlnév: " + arg);
    } else if (arg == "--moves") {
        o.moves = true;
    } else if (startsWith(arg, "--back-off=")) {
        o.read.peckBackOff = number(arg, 11);
        if (o.read.peckBackOff < 0) throw UsageError("nem lehet negatív: " + arg);
    } else if (startsWith(arg, "--depth=")) {
        o.read.depthZ = number(arg, 8);
    } else if (startsWith(arg, "--top=")) {
        o.read.topZ = number(arg, 6);
    } else if (startsWith(arg, "--rapid-rate=")) {
        o.read.measure.rapidRate = number(arg, 13);
    } else if (startsWith(arg, "--tool-change-time=")) {
        o.read.measure.toolChangeSeconds = number(arg, 19);
    } else if (startsWith(arg, "--tool-diameter=")) {
        o.toolDiameter = number(arg, 16);
    } else {
        return false;
    }
    return true;
}

// The page tells what it told the preview: the top of the part (its start Z), the depth it
// asked for, whether it is a series part and the tool's size. Where the tool stood is left
// out: the program is read as a file from an unknown place, as inspect reads the saved one.
void pageFacts(CliWizard& wizard, InspectOptions& o) {
    auto* page = dynamic_cast<WizardPage*>(wizard.forms().front());
    if (!page) return;
    const PreviewFacts f = previewFacts(*page);
    o.read.seriesPart = f.read.seriesPart;
    if (f.read.startKnown == 0) return;  // a page that tells nothing of its part
    o.read.topZ = f.read.topZ;
    o.read.depthZ = f.read.depthZ;
    if (o.toolDiameter == 0) o.toolDiameter = f.toolDiameter;
}

int inspectLines(const std::vector<std::string>& lines, const InspectOptions& o, std::ostream& out,
                 std::ostream& err) {
    program::ReadResult r = program::readProgram(lines, o.read);
    if (o.moves && !o.json) throw UsageError("a --moves csak a --json mellett kérhető");
    out << (o.json ? program::reportJson(r, o.moves)
                   : program::reportText(r, o.read.decimalSeparator));
    if (!o.svg.empty()) {
        program::SvgOptions svg;
        svg.toolDiameter = o.toolDiameter;
        try {
            textfile::writeBytes(o.svg, program::toSvg(r.path, r.measures, svg));
        } catch (const Error& e) {
            err << "qorix-wizards-cli: " << e.what() << '\n';
            return kExitUsage;
        }
    }
    return r.warnings.empty() ? kExitOk : kExitRefused;
}

int runInspect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               char regional) {
    InspectOptions o;
    o.read.decimalSeparator = regional;  // for a program whose numbers have no fraction
    o.read.separatorFromFile = true;
    std::string file;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (startsWith(a, "--decimal-separator=")) {
            o.read.decimalSeparator = separatorOption(a);
            o.read.separatorFromFile = false;
        } else if (inspectOption(a, o)) {
        } else if (a == "-" || !startsWith(a, "--")) {
            if (!file.empty()) throw UsageError("csak egy programot olvasok: " + a);
            file = a;
        } else {
            throw UsageError("ismeretlen kapcsoló: " + a);
        }
    }
    std::vector<std::string> lines;
    try {
        lines = readInput(file.empty() ? "-" : file);
    } catch (const Error& e) {
        err << "qorix-wizards-cli: " << e.what() << '\n';
        return kExitUsage;
    }
    return inspectLines(lines, o, out, err);
}

}  // namespace qorix
