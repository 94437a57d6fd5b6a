// Measurements of the toolpath preview on the offscreen platform (bench/run.sh runs them):
//   qorix-bench-preview large LINES   a program of LINES lines read and drawn by the view: the
//                                     time until it is complete and the longest stall of the
//                                     event loop meanwhile
//   qorix-bench-preview press LINES   a page's output box given LINES lines at once, as a
//                                     press of "Létrehozás" gives them: the time until its
//                                     preview is drawn
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/form1.h"
#include "bench/largest.h"
#include "desktop/mainwindow.h"
#include "desktop/toolpathview.h"
#include "wizards/common/shared.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// Rectangle pockets at their largest, one after the other, with one end at the end: the
// whole program runs, every line of it a move or a comment.
std::vector<std::string> program(std::size_t count) {
    qorix::bench::ReadyWizard w(qorix::bench::largestInput("rectangle-pocket"));
    w.press();
    std::vector<std::string> pocket;
    for (const std::string& line : w.lines())
        if (line != "M30" && line != "M2") pocket.push_back(line);
    std::vector<std::string> lines;
    lines.reserve(count);
    while (lines.size() + 1 < count)
        for (std::size_t i = 0; i < pocket.size() && lines.size() + 1 < count; ++i)
            lines.push_back(pocket[i]);
    lines.push_back("M30");
    return lines;
}

// The longest gap between two ticks of a 1 ms timer: how long the window could not answer.
class StallMeter {
public:
    StallMeter() {
        tick_.setInterval(1);
        QObject::connect(&tick_, &QTimer::timeout, [this] {
            longest_ = std::max(longest_, msSince(last_));
            last_ = Clock::now();
        });
    }
    void start() {
        last_ = Clock::now();
        longest_ = 0;
        tick_.start();
    }
    double longest() const { return longest_; }

private:
    QTimer tick_;
    Clock::time_point last_;
    double longest_ = 0;
};

bool waitFor(ui::qt::ToolpathView& view, double limitMs) {
    const auto t0 = Clock::now();
    while (!(view.scene() && view.idle()) && msSince(t0) < limitMs)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return view.scene() && view.idle();
}

int large(int argc, char** argv, std::size_t count) {
    QApplication app(argc, argv);
    ui::qt::ToolpathView view;
    view.resize(900, 700);
    view.show();
    QApplication::processEvents();
    std::vector<std::string> lines = program(count);
    StallMeter stalls;
    stalls.start();
    QApplication::processEvents();
    const auto t0 = Clock::now();
    qorix::PreviewFacts facts;
    view.setProgram(std::make_shared<const std::vector<std::string>>(std::move(lines)), facts,
                    true);
    const bool done = waitFor(view, 60000);
    const double took = msSince(t0);
    const std::size_t moves = done ? view.scene()->result.path.moves.size() : 0;
    std::printf(
        "preview: %zu lines (%zu moves) read and drawn in %.0f ms; longest stall of the "
        "window %.1f ms\n",
        count, moves, took, stalls.longest());
    return done ? 0 : 1;
}

int press(int argc, char** argv, std::size_t count) {
    QApplication app(argc, argv);
    qorix::NumberText num(',');
    ui::RecordingDialogs dialogs;
    qorix::SharedValues shared;
    qorix::Services services{dialogs, num, nullptr, &shared};
    qorix::TForm1 form(services, "/nonexistent-qorix-bench");
    ui::qt::MainWindow window(form, dialogs);
    window.show();
    form.ComboBox1.select(3);
    QApplication::processEvents();
    ui::qt::ToolpathView& view = *window.preview(4)->view();
    std::vector<std::string> lines = program(count);
    const auto t0 = Clock::now();
    form.page(4).Memo1.setLines(std::move(lines));
    const bool done = waitFor(view, 60000);
    std::printf("preview: %zu lines drawn %.1f ms after they reached the output box\n", count,
                msSince(t0));
    return done ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[1] : "";
    const std::size_t count = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 0;
    if (mode == "large") return large(argc, argv, count);
    if (mode == "press") return press(argc, argv, count);
    std::fprintf(stderr, "usage: qorix-bench-preview large LINES | press LINES\n");
    return 2;
}
