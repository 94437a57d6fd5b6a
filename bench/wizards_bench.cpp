// Each wizard's create run on its largest accepted input, in lines per second, beside a
// baseline that writes as many lines of the same shape with one snprintf per line into one
// buffer: about the most a machine can do. After the runs a table gives wizard / baseline.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "bench/largest.h"
#include "wizards/spiral/spiralgeometry.h"

namespace qorix::bench {
namespace {

// What a wizard's run wrote, for the baseline of the same size.
struct Size {
    std::int64_t lines = 0;
    std::int64_t bytes = 0;  // with one newline a line
};
std::map<std::string, Size>& sizes() {
    static std::map<std::string, Size> s;
    return s;
}

Size sizeOf(const std::vector<std::string>& lines) {
    Size s;
    s.lines = static_cast<std::int64_t>(lines.size());
    for (const auto& l : lines) s.bytes += static_cast<std::int64_t>(l.size()) + 1;
    return s;
}

void count(benchmark::State& state, const Size& s) {
    state.counters["lines"] = static_cast<double>(s.lines);
    state.counters["lines/s"] = benchmark::Counter(static_cast<double>(s.lines),
                                                   benchmark::Counter::kIsIterationInvariantRate);
    state.SetBytesProcessed(state.iterations() * s.bytes);
}

void wizardRun(benchmark::State& state, const LargestInput& input) {
    ReadyWizard w(input);
    for (auto _ : state) {
        // a page that appends (the thread repair's run follows its check's listing) starts
        // each run from an empty box, as the others do by themselves
        state.PauseTiming();
        w.page().Memo1.clear();
        state.ResumeTiming();
        if (!w.press()) {
            state.SkipWithError("the wizard refused the input");
            return;
        }
    }
    Size s = sizeOf(w.lines());
    sizes()[input.name] = s;
    count(state, s);
}

// One line of a shape: writes line i at dst (with its newline), returns its length.
using Shape = std::function<int(char* dst, std::size_t room, std::int64_t i)>;

// The spiral's arcs, their radii growing by the Fibonacci rule and starting again each pass.
Shape spiralShape(std::int64_t arcsPerPass, long double scale = 1) {
    auto state = std::make_shared<spiral::SpiralState>();
    return [state, arcsPerPass, scale](char* dst, std::size_t room, std::int64_t i) {
        if (i % arcsPerPass == 0) state->reset(scale);
        state->moveToQuarterEnd(false, static_cast<int>(i % 4));
        int n = std::snprintf(dst, room, "G3 X%.4Lf Y%.4Lf R%.4Lf F%.4Lf\n", state->x, state->y,
                              state->r, 300.0L);
        state->advance();
        return n;
    };
}

Shape shapeOf(const std::string& name) {
    if (name == "fibonacci-largest") return spiralShape(4 * 369);
    // the same text as radii of 1e-4000 give, every number 0.0000
    if (name == "fibonacci-near-bound") return spiralShape(4 * 2494, 0);
    if (name == "fibonacci-6-turns") return spiralShape(4 * 6 + 2);
    if (name == "circular-pocket")
        return [](char* dst, std::size_t room, std::int64_t i) {
            long double r = 2.5L * static_cast<long double>(i % 200 + 1);
            return std::snprintf(dst, room, "G2 Y%.4Lf X%.4Lf R%.4Lf F%d\n", 0.0L, i % 2 ? -r : r,
                                 r, 300);
        };
    if (name == "rectangle-pocket")
        return [](char* dst, std::size_t room, std::int64_t i) {
            long double o = 5.0L * static_cast<long double>(i % 100);
            return std::snprintf(dst, room, "G1 X%.4Lf Y%.4Lf\n", 497.5L - o, 507.5L + o);
        };
    if (name == "cut-circle")
        return [](char* dst, std::size_t room, std::int64_t i) {
            return std::snprintf(dst, room, "G2 X%.4Lf Y%.4Lf Z%.4Lf R%.4Lf\n",
                                 i % 2 ? -7.5L : 7.5L, 0.0L, -0.4975L * static_cast<long double>(i),
                                 7.5L);
        };
    if (name == "cut-rectangle")
        return [](char* dst, std::size_t room, std::int64_t i) {
            return std::snprintf(dst, room, "G1 X%.4Lf Y%.4Lf Z%.4Lf\n", i % 4 < 2 ? 0.0L : 20.0L,
                                 i % 4 == 0 ? 0.0L : 30.0L,
                                 -0.24875L * static_cast<long double>(i));
        };
    if (name == "bolt-circle")
        return [](char* dst, std::size_t room, std::int64_t i) {
            long double t = 0.0062831853L * static_cast<long double>(i);
            return std::snprintf(dst, room, "X%.4Lf Y%.4Lf\n", 100 - t * t, 100 * t);
        };
    if (name == "thread-repair")
        return [](char* dst, std::size_t room, std::int64_t i) {
            return std::snprintf(dst, room, "G2 X%.4Lf Y%.4Lf Z%.4Lf I%.4Lf J0\n", 14.09L, 0.0L,
                                 -0.5L * static_cast<long double>(i % 100), -14.09L);
        };
    throw std::invalid_argument("no shape for " + name);
}

void baselineRun(benchmark::State& state, const LargestInput& input) {
    if (!sizes().count(input.name)) {
        ReadyWizard w(input);
        w.press();
        sizes()[input.name] = sizeOf(w.lines());
    }
    const Size s = sizes()[input.name];
    // the same numbers may be written with a digit more or less; the buffer has room to spare
    std::vector<char> buffer(static_cast<std::size_t>(s.bytes + s.bytes / 8 + 64 * s.lines));
    for (auto _ : state) {
        Shape shape = shapeOf(input.name);
        std::size_t at = 0;
        for (std::int64_t i = 0; i < s.lines; ++i) {
            int n = shape(buffer.data() + at, buffer.size() - at, i);
            if (n < 0 || static_cast<std::size_t>(n) >= buffer.size() - at) {
                state.SkipWithError("the baseline's buffer is too small");
                return;
            }
            at += static_cast<std::size_t>(n);
        }
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    count(state, s);
}

// The console report, and afterwards wizard / baseline for every input that ran both.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred && r.iterations > 0)
                seconds_[r.run_name.function_name] =
                    r.real_accumulated_time / static_cast<double>(r.iterations);
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-20s %10s %14s %14s %8s\n", "input", "lines", "wizard ms", "baseline ms",
                    "ratio");
        for (const auto& input : largestInputs()) {
            auto w = seconds_.find("wizard/" + input.name);
            auto b = seconds_.find("baseline/" + input.name);
            if (w == seconds_.end() || b == seconds_.end()) continue;
            std::printf("%-20s %10lld %14.3f %14.3f %7.2fx\n", input.name.c_str(),
                        static_cast<long long>(sizes()[input.name].lines), w->second * 1e3,
                        b->second * 1e3, w->second / b->second);
        }
        std::fflush(stdout);
    }

private:
    std::map<std::string, double> seconds_;
};

}  // namespace
}  // namespace qorix::bench

int main(int argc, char** argv) {
    using namespace qorix::bench;
    for (const auto& input : largestInputs()) {
        benchmark::RegisterBenchmark(("wizard/" + input.name).c_str(), wizardRun, input)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("baseline/" + input.name).c_str(), baselineRun, input)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
