// Measurements of the desktop program, each in a process of its own so that its peak memory
// is its own (run them on the offscreen platform; bench/run.sh does):
//   qorix-bench-desktop empty-window          a minimal Qt Widgets program: one empty window
//   qorix-bench-desktop main-window [FOLDER]  the desktop program's own start-up
//        (both end as soon as the window is shown; the caller times the process)
//   qorix-bench-desktop output-box LINES      a program of LINES lines into a page's text box
//   qorix-bench-desktop typing LINES          one keystroke in an output box of LINES lines
//   qorix-bench-desktop save LINES FILE       saving a program of LINES lines
#include <sys/resource.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/form1.h"
#include "bench/largest.h"
#include "desktop/desktop.h"
#include "desktop/mainwindow.h"
#include "desktop/qtdialogs.h"
#include "link/textfile.h"
#include "wizards/common/shared.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

double peakMegabytes() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024;  // kilobytes on Linux
}

// A long program of real lines: rectangle pockets at their largest, one after the other, as
// series milling writes them, cut to the count asked for.
std::vector<std::string> program(std::size_t count) {
    qorix::bench::ReadyWizard w(qorix::bench::largestInput("rectangle-pocket"));
    w.press();
    const std::vector<std::string>& pocket = w.lines();
    std::vector<std::string> lines;
    lines.reserve(count);
    while (lines.size() < count)
        for (std::size_t i = 0; i < pocket.size() && lines.size() < count; ++i)
            lines.push_back(pocket[i]);
    return lines;
}

int emptyWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}

// The cut circle page's output box in the real main window: the time from the model's one
// announcement to the box showing every line, painted.
int outputBox(int argc, char** argv, std::size_t count) {
    QApplication app(argc, argv);
    qorix::NumberText num(',');
    ui::RecordingDialogs dialogs;  // the start-up's warning must not wait for a click
    qorix::SharedValues shared;
    qorix::Services services{dialogs, num, nullptr, &shared};
    qorix::TForm1 form(services, "/nonexistent-qorix-bench");
    ui::qt::MainWindow window(form, dialogs);
    window.show();
    form.ComboBox1.select(3);  // "Kör kivágás (cut circle)"
    QApplication::processEvents();
    qorix::WizardPage& page = form.page(4);
    auto* box = window.pageView(4)->widget<QPlainTextEdit>("Memo1");

    std::vector<std::string> lines = program(count);
    const double before = peakMegabytes();
    const auto t0 = Clock::now();
    page.Memo1.setLines(std::move(lines));
    box->viewport()->repaint();
    QApplication::processEvents();
    const double shown = msSince(t0);
    const int blocks = box->document()->blockCount();
    std::printf(
        "output box: %zu lines shown in %.1f ms (blocks %d); peak memory %.0f MB "
        "(%.0f MB before the lines were shown)\n",
        count, shown, blocks, peakMegabytes(), before);
    return blocks == static_cast<int>(count) ? 0 : 1;
}

// Typing into a page's output box that holds LINES lines: the time from a keystroke to the
// model holding the changed line (what "Mentés" would save), the median of 21 keystrokes.
int typing(int argc, char** argv, std::size_t count) {
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
    qorix::WizardPage& page = form.page(4);
    auto* box = window.pageView(4)->widget<QPlainTextEdit>("Memo1");
    page.Memo1.setLines(program(count));
    QApplication::processEvents();
    std::vector<double> times;
    QTextCursor cursor(box->document());
    const int first = static_cast<int>(count / 2);
    for (int i = 0; i < 21; ++i) {
        cursor.setPosition(box->document()->findBlockByNumber(first + i).position());
        const auto t0 = Clock::now();
        cursor.insertText("X");
        QApplication::processEvents();
        times.push_back(msSince(t0));
    }
    std::sort(times.begin(), times.end());
    // the model takes the typed text once the typing pauses
    const auto t0 = Clock::now();
    const auto& lines = page.Memo1.lines();
    auto taken = [&] {
        for (int i = 0; i < 21; ++i)
            if (lines.size() != count || lines[static_cast<std::size_t>(first + i)][0] != 'X')
                return false;
        return true;
    };
    while (!taken() && msSince(t0) < 60000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double takenAfter = msSince(t0);
    std::printf(
        "typing: one keystroke in a box of %zu lines: %.2f ms (median of 21); the "
        "model holds the text %.0f ms after the last key (the pause included); peak "
        "memory %.0f MB\n",
        count, times[times.size() / 2], takenAfter, peakMegabytes());
    return taken() ? 0 : 1;
}

int save(std::size_t count, const std::string& path) {
    std::vector<std::string> lines = program(count);
    const double before = peakMegabytes();
    const auto t0 = Clock::now();
    qorix::textfile::writeLines(path, lines);
    const double took = msSince(t0);
    std::printf("save: %zu lines in %.1f ms; peak memory %.0f MB (%.0f MB before saving)\n", count,
                took, peakMegabytes(), before);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "empty-window") return emptyWindow(argc, argv);
    if (mode == "main-window") {
        // the desktop program sees the arguments after the mode, as its own
        return qorix::runDesktop(argc - 1, argv + 1, [] { QApplication::quit(); });
    }
    if (mode == "output-box" && argc > 2)
        return outputBox(argc, argv, std::strtoul(argv[2], nullptr, 10));
    if (mode == "typing" && argc > 2) return typing(argc, argv, std::strtoul(argv[2], nullptr, 10));
    if (mode == "save" && argc > 3) return save(std::strtoul(argv[2], nullptr, 10), argv[3]);
    std::fprintf(stderr,
                 "usage: qorix-bench-desktop empty-window | main-window [FOLDER] | output-box "
                 "LINES | typing LINES | save LINES FILE\n");
    return 2;
}
