// The program reader on a million lines of what the wizards write: the largest circular pocket
// (20 525 lines, a hundred passes of rings drawn by R arcs) written about fifty times over,
// with the ends between them left out. Reading it into its toolpath is set against writing the
// pocket, in lines per second, and the toolpath's memory per move is given for a tenth of the
// program and for the whole, to show that it grows linearly.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/largest.h"
#include "platform/files.h"
#include "program/reader.h"

namespace qorix::bench {
namespace {

constexpr std::size_t kMillion = 1000000;

const std::vector<std::string>& millionLines() {
    static const std::vector<std::string> lines = [] {
        ReadyWizard w(largestInput("circular-pocket"));
        std::vector<std::string> all;
        if (!w.press()) return all;
        while (all.size() < kMillion - 1)
            for (const auto& l : w.lines())
                if (l != "M30" && all.size() < kMillion - 1) all.push_back(l);
        all.push_back("M30");
        return all;
    }();
    return lines;
}

std::size_t bytesOf(const program::Toolpath& p) {
    return p.moves.capacity() * sizeof(program::Move) + p.arcs.capacity() * sizeof(program::Arc) +
           p.holes.capacity() * sizeof(program::Hole);
}

void BM_WriteLargestPocket(benchmark::State& state) {
    ReadyWizard w(largestInput("circular-pocket"));
    for (auto _ : state) {
        if (!w.press()) {
            state.SkipWithError("the wizard refused the input");
            return;
        }
    }
    state.counters["lines"] = static_cast<double>(w.lines().size());
    state.counters["lines/s"] = benchmark::Counter(static_cast<double>(w.lines().size()),
                                                   benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ReadMillionLines(benchmark::State& state) {
    const auto& all = millionLines();
    std::vector<std::string> lines(
        all.begin(), all.begin() + static_cast<std::ptrdiff_t>(kMillion * state.range(0) / 10 - 1));
    lines.push_back("M30");
    program::ReadOptions options;
    program::ReadResult r;
    for (auto _ : state) {
        r = program::readProgram(lines, options);
        benchmark::DoNotOptimize(r.path.moves.data());
    }
    if (!r.warnings.empty()) state.SkipWithError(r.warnings.front().text.c_str());
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["moves"] = static_cast<double>(r.path.moves.size());
    state.counters["bytes/move"] =
        static_cast<double>(bytesOf(r.path)) / static_cast<double>(r.path.moves.size());
    state.counters["lines/s"] = benchmark::Counter(static_cast<double>(lines.size()),
                                                   benchmark::Counter::kIsIterationInvariantRate);
}

// The floor under the reader: every number of the million lines taken with from_chars and
// nothing else. The reader's time over this one is its own cost.
void BM_ScanNumbersOfMillionLines(benchmark::State& state) {
    const auto& lines = millionLines();
    double sum = 0;
    for (auto _ : state) {
        for (const auto& line : lines) {
            const char* p = line.data();
            const char* end = p + line.size();
            while (p < end) {
                if (*p == '-' || (*p >= '0' && *p <= '9')) {
                    double v = 0;
                    auto r = std::from_chars(p, end, v);
                    sum += v;
                    p = r.ptr == p ? p + 1 : r.ptr;
                    if (p < end && *p == ',') ++p;  // the comma run's fraction: a second number
                } else {
                    ++p;
                }
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["lines/s"] = benchmark::Counter(static_cast<double>(lines.size()),
                                                   benchmark::Counter::kIsIterationInvariantRate);
}

// A four-byte program read as "Megnyitás" and inspect read one, under the programs' bound.
void BM_ReadSmallFile(benchmark::State& state) {
    const std::string path = "qorix-bench-small.tap";
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fputs("M30\n", f);
        std::fclose(f);
    }
    platform::SmallFile file;
    for (auto _ : state) {
        platform::readSmallFile(path, std::size_t{256} << 20, file);
        benchmark::DoNotOptimize(file.bytes.data());
    }
    state.counters["room"] = static_cast<double>(file.bytes.capacity());
    std::remove(path.c_str());
}

// Files that once took seconds and gigabytes: a 10 MB comment, a 10 MB unknown word, and a
// thousand holes with a Q a thousand times too small (stopped at the budget of moves).
void BM_ReadHostile(benchmark::State& state) {
    std::string text = "G21\nG0 X0 Y0 Z5\n";
    if (state.range(0) == 0) text += "(" + std::string(10'000'000, 'a') + ")\n";
    if (state.range(0) == 1) text += "QQ" + std::string(10'000'000, 'A') + "\n";
    if (state.range(0) == 2) {
        text += "G83 Z-9,9 R0 Q0,001 F100\n";
        for (int i = 1; i <= 1000; ++i) text += "X" + std::to_string(i) + "\n";
    }
    text += "M30\n";
    program::ReadOptions options;
    program::ReadResult r;
    for (auto _ : state) {
        r = program::readProgram(text, options);
        benchmark::DoNotOptimize(r.path.moves.data());
    }
    state.counters["moves"] = static_cast<double>(r.path.moves.size());
    state.counters["MB"] = static_cast<double>(bytesOf(r.path)) / 1e6;
}

BENCHMARK(BM_WriteLargestPocket)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadMillionLines)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanNumbersOfMillionLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSmallFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadHostile)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qorix::bench

BENCHMARK_MAIN();
