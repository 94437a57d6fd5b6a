// Measurements of the desktop program, each in a process of its own so that its peak memory
// is its own (run them on the offscreen platform; bench/run.sh does):
//   qorix-bench-desktop empty-window          a minimal Qt Widgets program: one empty window
//   qorix-bench-desktop main-window [FOLDER]  the desktop program's own start-up
//        (both end as soon as the window is shown; the caller times the process)
//   qorix-bench-desktop output-box LINES      a program of LINES lines into a page's text box,
//        the longest stall of the event loop meanwhile, scrolling to its end, finding its last line
//   qorix-bench-desktop typing LINES          one keystroke in an output box of LINES lines
//   qorix-bench-desktop save LINES FILE       saving a program of LINES lines
//   qorix-bench-desktop hole-selector COUNT   "Furat kiválasztás" over a full rectangle pattern
//        of COUNT x COUNT holes: the selector shown with its boxes painted, then "Egyik sem"
//        and "Mind"
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/mainwindowlogic.h"
#include "bench/largest.h"
#include "desktop/desktop.h"
#include "desktop/formview.h"
#include "desktop/linebox.h"
#include "desktop/mainwindow.h"
#include "desktop/qtdialogs.h"
#include "link/session.h"
#include "link/textfile.h"
#include "ui/event.h"
#include "wizards/drilling/holeselector.h"
#include "wizards/drilling/rectangleholes.h"

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

// The cut circle page in the real main window, chosen and shown, with nothing in its box.
struct Desktop {
    explicit Desktop(int& argc, char** argv) : app(argc, argv) {
        window.show();
        form.ComboBox1.select(3);  // "Kör kivágás (cut circle)"
        QApplication::processEvents();
        box = window.pageView(4)->widget<ui::qt::LineBox>("Memo1");
        box->setFocus();
    }
    ui::Memo& memo() { return form.page(4).Memo1; }
    // One key into the box, and the box painted again: its time in ms.
    double key(int key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {}) {
        const auto t0 = Clock::now();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(box, &press);
        box->viewport()->repaint();
        return msSince(t0);
    }

    QApplication app;
    qorix::NumberText num{','};
    ui::RecordingDialogs dialogs;  // the start-up's warning must not wait for a click
    qorix::Session shared;
    qorix::Services services{dialogs, num, nullptr, &shared};
    qorix::MainWindowLogic form{services, "/nonexistent-qorix-bench"};
    ui::qt::MainWindow window{form, dialogs};
    ui::qt::LineBox* box = nullptr;
};

// The longest time the event loop did not come round, from a timer that asks every
// millisecond.
class StallWatch {
public:
    StallWatch() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        clock_.start();
        timer_.start();
    }
    double longestMs() const { return static_cast<double>(longest_) / 1e6; }

private:
    void tick() {
        const qint64 now = clock_.nsecsElapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0, longest_ = 0;
};

void runLoopFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The time from the model's one announcement at the end of a create run to the box showing
// its lines, painted, while a timer watches the event loop; then the end of the program by
// Ctrl+End, and a find from the top that reaches a text typed into the last line.
int outputBox(int argc, char** argv, std::size_t count) {
    Desktop d(argc, argv);
    std::vector<std::string> lines = program(count);
    const double before = peakMegabytes();
    double shown = 0;
    StallWatch watch;
    runLoopFor(50);
    QTimer::singleShot(0, [&] {
        const auto t0 = Clock::now();
        d.memo().setLines(std::move(lines));
        d.box->viewport()->repaint();
        shown = msSince(t0);
    });
    runLoopFor(500);  // anything the box left for later runs meanwhile
    const double stall = watch.longestMs();
    const double toEnd = d.key(Qt::Key_End, Qt::ControlModifier);
    const bool atEnd =
        d.box->verticalScrollBar()->value() == d.box->verticalScrollBar()->maximum() &&
        d.box->cursorPosition().line == static_cast<int>(count) - 1;
    d.key(Qt::Key_ParenLeft, {}, "(");
    d.key(Qt::Key_V, {}, "V");
    d.key(Qt::Key_ParenRight, {}, ")");
    d.key(Qt::Key_Home, Qt::ControlModifier);
    const auto t0 = Clock::now();
    const bool found =
        d.box->find("(v)") && d.box->cursorPosition().line == static_cast<int>(count) - 1;
    d.box->viewport()->repaint();
    const double find = msSince(t0);
    std::printf(
        "output box: %zu lines shown in %.1f ms; longest stall of the event loop %.1f ms; "
        "peak memory %.0f MB (%.0f MB before the lines were shown); to the end (Ctrl+End) "
        "%.1f ms; a find from the top to the last line %.1f ms\n",
        count, shown, stall, peakMegabytes(), before, toEnd, find);
    return d.memo().lines().size() == count && atEnd && found ? 0 : 1;
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Keys typed into the middle of a box of LINES lines: the time from the key to the model
// holding the changed line (what "Mentés" saves) and the box painted, the median of 21.
int typing(int argc, char** argv, std::size_t count) {
    Desktop d(argc, argv);
    d.memo().setLines(program(count));
    QApplication::processEvents();
    const int middle = static_cast<int>(count / 2);
    std::vector<double> letters, returns;
    for (int i = 0; i < 21; ++i) {
        d.box->setCursorPosition({middle + 2 * i, 0});
        letters.push_back(d.key(Qt::Key_X, {}, "X"));
        returns.push_back(d.key(Qt::Key_Return));  // a new line in the middle of the program
    }
    const auto& lines = d.memo().lines();
    bool held = lines.size() == count + 21;
    for (int i = 0; i < 21 && held; ++i)
        held = lines[static_cast<std::size_t>(middle + 2 * i)] == "X";
    std::printf(
        "typing: in a box of %zu lines, a letter %.2f ms, a new line %.2f ms (medians of 21; "
        "the page holds the text at once); peak memory %.0f MB\n",
        count, median(letters), median(returns), peakMegabytes());
    return held ? 0 : 1;
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

// The time from a user event on the selector to its window painted again.
template <class Event>
double painted(QWidget* window, Event event) {
    const auto t0 = Clock::now();
    event();
    QApplication::processEvents();  // the widgets the event made or changed
    window->repaint();
    return msSince(t0);
}

int holeSelector(int argc, char** argv, const std::string& count) {
    QApplication app(argc, argv);
    QWidget owner;
    ui::RecordingDialogs dialogs;
    qorix::NumberText num{','};
    qorix::Session shared;
    qorix::Services services{dialogs, num, nullptr, &shared};
    qorix::RectangleHolesPage page{services};
    qorix::HoleSelectorDialog selector{services, page.holeChoice()};
    page.setHoleSelector(&selector);
    ui::qt::openFormWindowWhenShown(selector, dialogs, &owner);
    page.startup();
    page.Edit_drx_.setText(count);
    page.Edit_dry_.setText(count);
    page.Edit_tx_.setText("1");
    page.Edit_ty_.setText("1");
    page.RadioGroup_mt_.setItemIndex(1);  // "Teljes mező"
    QWidget* window = nullptr;
    const double shown = painted(owner.window(), [&] {
        ui::runEvent(dialogs, [&] { page.RadioGroup1.setItemIndex(1); });  // "Furat kiválasztás"
        window = owner.findChild<ui::qt::FormView*>("HoleSelectorDialog");
        if (window) window->show();
    });
    if (!window) return 1;
    const double none = painted(window, [&] { selector.Button4.click(); });
    const bool cleared = !selector.holeBox(selector.holeBoxCount())->checked();
    const double all = painted(window, [&] { selector.Button3.click(); });
    std::printf(
        "hole selector: %d holes shown in %.1f ms; \"Egyik sem\" %.1f ms; \"Mind\" %.1f ms; "
        "peak memory %.0f MB\n",
        selector.holeBoxCount(), shown, none, all, peakMegabytes());
    return cleared && selector.holeBox(1)->checked() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "empty-window") return emptyWindow(argc, argv);
    if (mode == "main-window") {
        // the desktop program sees the arguments after the mode, as its own
        // exit, not quit: quit asks the windows to close first, and the main window answers a
        // close as "Exit" does
        return qorix::runDesktop(argc - 1, argv + 1, [] { QApplication::exit(0); });
    }
    if (mode == "output-box" && argc > 2)
        return outputBox(argc, argv, std::strtoul(argv[2], nullptr, 10));
    if (mode == "typing" && argc > 2) return typing(argc, argv, std::strtoul(argv[2], nullptr, 10));
    if (mode == "save" && argc > 3) return save(std::strtoul(argv[2], nullptr, 10), argv[3]);
    if (mode == "hole-selector" && argc > 2) return holeSelector(argc, argv, argv[2]);
    std::fprintf(stderr,
                 "usage: qorix-bench-desktop empty-window | main-window [FOLDER] | output-box "
                 "LINES | typing LINES | save LINES FILE | hole-selector COUNT\n");
    return 2;
}
