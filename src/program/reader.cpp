#include "program/reader.h"

#include <algorithm>
#include <new>
#include <tuple>

#include "platform/memory.h"
#include "program/checks.h"
#include "program/interpreter.h"
#include "program/linescan.h"

namespace qorix::program {

namespace {

// A loop runs the same line again and again: each warning is told once.
void sortAndMerge(std::vector<Warning>& warnings) {
    std::stable_sort(warnings.begin(), warnings.end(),
                     [](const Warning& a, const Warning& b) { return a.line < b.line; });
    auto same = [](const Warning& a, const Warning& b) {
        return std::tie(a.line, a.kind, a.text) == std::tie(b.line, b.kind, b.text);
    };
    std::vector<Warning> kept;
    kept.reserve(warnings.size());
    for (auto& w : warnings) {
        bool told = false;  // the same line's warnings sit together after the sort
        for (auto k = kept.rbegin(); k != kept.rend() && k->line == w.line && !told; ++k)
            told = same(*k, w);
        if (!told) kept.push_back(std::move(w));
    }
    warnings = std::move(kept);
}

// The program's own separator, found in its first number with a fraction.
void chooseSeparator(LineSpan lines, const ReadOptions& options, ReadResult& result) {
    result.decimalSeparator = options.decimalSeparator;
    if (!options.separatorFromFile) return;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (char found = separatorIn(lines[i])) {
            result.decimalSeparator = found;
            result.separatorFromFile = true;
            return;
        }
}

ReadResult readLines(LineSpan lines, const ReadOptions& options) {
    ReadResult result;
    chooseSeparator(lines, options, result);
    result.peckBackOff = options.peckBackOff;
    // room for a move (and an arc) a line, touched only as it fills: growing by copies took a
    // fifth of a million arcs' reading
    const std::size_t room = std::min(lines.size(), options.moveBudget);
    result.path.moves.reserve(room);
    result.path.arcs.reserve(room);
    platform::preferLargePages(result.path.moves.data(), room * sizeof(Move));
    platform::preferLargePages(result.path.arcs.data(), room * sizeof(Arc));
    Interpreter interpreter(lines, options, result);
    interpreter.run();
    if (result.cancelled) return result;
    bool series = options.seriesPart.value_or(!interpreter.sawOpening());
    if (!result.ended && !series && !result.stoppedEndless && !result.stoppedAtBudget)
        result.warnings.push_back({WarningKind::NoProgramEnd, 0, message::noProgramEnd()});
    checkToolpath(result.path, CheckOptions{options.topZ, options.depthZ}, result.warnings);
    sortAndMerge(result.warnings);
    MeasureOptions measureOptions = options.measure;
    measureOptions.topZ = options.topZ;
    result.measures = measure(result.path, measureOptions);
    return result;
}

}  // namespace

ReadResult failedRead(const std::exception& failure) {
    ReadResult r;
    bool memory = dynamic_cast<const std::bad_alloc*>(&failure) != nullptr;
    r.warnings.push_back({WarningKind::ReadFailed, 0,
                          message::readFailed(memory ? std::string_view() : failure.what())});
    return r;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    lines.reserve(text.size() / 24 + 1);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::size_t stop = end > start && text[end - 1] == '\r' ? end - 1 : end;
        lines.push_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

ReadResult readProgram(std::string_view text, const ReadOptions& options) {
    const std::vector<std::string_view> lines = splitLines(text);
    return readLines(lines, options);
}

ReadResult readProgram(const std::vector<std::string>& lines, const ReadOptions& options) {
    std::vector<std::string_view> views(lines.begin(), lines.end());
    return readLines(views, options);
}

ReadResult readProgram(const LineText& lines, const ReadOptions& options) {
    return readLines(lines, options);
}

}  // namespace qorix::program
