// The program reader on a million lines of what the wizards write: the largest circular pocket
// (20 525 lines, a hundred passes of rings drawn by R arcs) written about fifty times over,
// with the ends between them left out. Reading it into its toolpath is set against writing the
// pocket, in lines per second, and the toolpath's memory per move is given for a tenth of the
// program and for the whole, to show that it grows linearly.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/largest.h"
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

BENCHMARK(BM_WriteLargestPocket)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadMillionLines)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qorix::bench

BENCHMARK_MAIN();
