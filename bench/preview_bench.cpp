// Measurements of the toolpath preview on the offscreen platform (bench/run.sh runs them),
// each in a process of its own so that its peak memory is its own:
//   qorix-bench-preview open FILE     "Megnyitás" of FILE: the time until it is drawn and the
//                                     longest stall of the event loop meanwhile
//   qorix-bench-preview press PASSES  "Létrehozás" pressed on the rectangle pocket's page (its
//                                     largest rectangle, PASSES passes: 20 give about 10 000
//                                     lines): the time from the press and from the end of the
//                                     create run until the preview is drawn
//   qorix-bench-preview large LINES [circular-pocket]
//                                     a program of LINES lines (rectangle pockets, or circular
//                                     ones: arcs) put into a page's output box at once: the time
//                                     until its preview is read and drawn and the longest stall
//                                     of the event loop meanwhile
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/mainwindowlogic.h"
#include "bench/largest.h"
#include "desktop/mainwindow.h"
#include "desktop/toolpathview.h"
#include "link/session.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// A wizard's largest pocket over and over, with one end at the end: the whole program runs,
// every line of it a move or a comment (the circular pocket's almost all arcs).
std::vector<std::string> program(std::size_t count, const std::string& pocketWizard) {
    qorix::bench::ReadyWizard w(qorix::bench::largestInput(pocketWizard));
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

// Read and drawn; a program that does not move leaves the page's picture in front and its
// drawing waits until shown, so for it the reading is the end.
bool waitFor(ui::qt::ToolpathView& view, double limitMs) {
    const auto t0 = Clock::now();
    auto done = [&] { return view.scene() && (view.idle() || !view.isVisible()); };
    while (!done() && msSince(t0) < limitMs)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return done();
}

double peakMegabytes() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024;  // kilobytes on Linux
}

// The processor time of the whole program, every thread, user and system.
double cpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(u.ru_utime) + ms(u.ru_stime);
}

// The desktop program's main window with one page chosen and shown.
struct Window {
    // After the start-up, which hides every page, as a user comes to the page.
    explicit Window(int wizardNumber) {
        window.show();
        const auto t0 = Clock::now();
        while (form.startupMarker != 21 && msSince(t0) < 20000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        form.ComboBox1.select(wizardNumber - 1);
        QApplication::processEvents();
    }
    qorix::WizardPage& page() { return form.page(number()); }
    int number() const { return form.wizardNumber; }
    ui::qt::ToolpathView& view() { return *window.preview(number())->view(); }

    qorix::NumberText num{','};
    ui::RecordingDialogs dialogs;
    qorix::Session shared;
    qorix::Services services{dialogs, num, nullptr, &shared};
    qorix::MainWindowLogic form{services, "/nonexistent-qorix-bench"};
    ui::qt::MainWindow window{form, dialogs};
};

int large(std::size_t count, const std::string& pocketWizard) {
    Window w(4);
    std::vector<std::string> lines = program(count, pocketWizard);
    StallMeter stalls;
    stalls.start();
    QApplication::processEvents();
    const auto t0 = Clock::now();
    w.page().Memo1.setLines(std::move(lines));
    const bool done = waitFor(w.view(), 60000);
    const double took = msSince(t0);
    const std::size_t moves = done ? w.view().scene()->result.path.moves.size() : 0;
    std::printf(
        "preview: %zu lines of %s (%zu moves) read and drawn in %.0f ms; longest stall of the "
        "window %.1f ms; peak memory %.0f MB\n",
        count, pocketWizard.c_str(), moves, took, stalls.longest(), peakMegabytes());
    return done ? 0 : 1;
}

// "Megnyitás" of a program file: the time until its preview is drawn and the longest stall
// meanwhile (the file is read and decoded beside the window).
int open(const char* file) {
    Window w(4);
    StallMeter stalls;
    stalls.start();
    QApplication::processEvents();
    const double before = peakMegabytes(), cpu0 = cpuMs();
    const auto t0 = Clock::now();
    w.window.openProgram(QString::fromLocal8Bit(file));
    const bool done = waitFor(w.view(), 60000) && !w.page().Memo1.lines().empty();
    std::printf(
        "preview: %s (%zu lines) opened and drawn in %.0f ms (processor %.0f ms, this "
        "measure's own 1 ms timer included); longest stall of the window %.1f ms; peak memory "
        "%.0f MB (%.0f MB before)\n",
        file, w.page().Memo1.lines().size(), msSince(t0), cpuMs() - cpu0, stalls.longest(),
        peakMegabytes(), before);
    return done ? 0 : 1;
}

int press(const std::string& passes) {
    Window w(3);  // the rectangle pocket
    for (const auto& [name, value] : qorix::bench::largestInput("rectangle-pocket").settings)
        if (auto* e = w.page().findAs<ui::Edit>(name)) e->setText(w.num.local(value));
    w.page().findAs<ui::CheckBox>("CheckBox_szc_")->setChecked(false);
    w.page().findAs<ui::Edit>("Edit_m_")->setText(passes);  // 1 mm a pass
    auto* button = w.window.pageView(3)->widget<QPushButton>("Button1");
    Clock::time_point written;
    w.page().Memo1.addListener([&] { written = Clock::now(); });
    StallMeter stalls;
    stalls.start();
    QApplication::processEvents();
    const auto t0 = Clock::now();
    button->click();
    const bool done = waitFor(w.view(), 60000);
    const double total = msSince(t0), afterCreate = msSince(written);
    std::printf(
        "preview: %zu lines drawn %.1f ms after the press of \"Létrehozás\", %.1f ms after "
        "the create run; longest stall %.1f ms\n",
        w.page().Memo1.lines().size(), total, afterCreate, stalls.longest());
    return done ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[1] : "";
    const std::size_t count = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 0;
    if (mode == "open") {
        QApplication app(argc, argv);
        return open(argv[2]);
    }
    if (mode == "large" || mode == "press") {
        QApplication app(argc, argv);
        if (mode == "press") return press("-" + std::to_string(count));
        return large(count, argc > 3 ? argv[3] : "rectangle-pocket");
    }
    std::fprintf(stderr,
                 "usage: qorix-bench-preview large LINES [circular-pocket] | press PASSES | "
                 "open FILE\n");
    return 2;
}
