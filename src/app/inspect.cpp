#include "app/inspect.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <iterator>

#include "app/cli.h"
#include "link/textfile.h"
#include "program/report.h"
#include "program/svg.h"
#include "wizards/common/errors.h"
#include "wizards/drilling/boltcircle.h"
#include "wizards/spiral/fibonacci.h"
#include "wizards/thread/threadrepair.h"

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
    if (file != "-") return textfile::readLines(file);
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

// The pages know the top of the part (their start Z) and how deep they meant to go.
void pageFacts(CliWizard& wizard, InspectOptions& o) {
    auto* page = dynamic_cast<WizardPage*>(wizard.forms().front());
    if (!page) return;
    o.read.seriesPart = page->seriesFlag();
    auto deepest = [](long double top, long double depth) {
        return static_cast<double>(top + std::min<long double>(depth, 0));
    };
    if (auto* p = dynamic_cast<CommonPage*>(page)) {
        o.read.topZ = static_cast<double>(p->rec.z);
        o.read.depthZ = deepest(p->rec.z, p->rec.m);
    } else if (auto* spiral = dynamic_cast<TFrame2*>(page)) {
        o.read.topZ = static_cast<double>(spiral->rec.z);
        o.read.depthZ = deepest(spiral->rec.z, spiral->rec.m);
    } else if (auto* drill = dynamic_cast<TFrame8*>(page)) {
        o.read.topZ = static_cast<double>(drill->rec.z);
        o.read.depthZ = static_cast<double>(std::min(drill->rec.m, drill->rec.z));  // its Z word
        if (o.toolDiameter == 0) o.toolDiameter = static_cast<double>(drill->rec.sz);
    } else if (auto* thread = dynamic_cast<TFrame11*>(page)) {
        // the thread runs below its start Z by design; only the top is the page's
        o.read.topZ = static_cast<double>(page->services().num.toFloat(thread->Edit_z_.text()));
    }
}

int inspectLines(const std::vector<std::string>& lines, const InspectOptions& o, std::ostream& out,
                 std::ostream& err) {
    program::ReadResult r = program::readProgram(lines, o.read);
    out << (o.json ? program::reportJson(r) : program::reportText(r, o.read.decimalSeparator));
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
    o.read.decimalSeparator = regional;
    std::string file;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (startsWith(a, "--decimal-separator=")) {
            o.read.decimalSeparator = separatorOption(a);
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
