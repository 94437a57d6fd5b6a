// Renders the desktop program's windows to PNG files for a person to look at:
//   qorix-screenshots OUTPUT_FOLDER
// main-cut-circle.png: the main window with the cut circle page after "Létrehozás";
// about-compact.png and about-large.png: the About window in its two sizes (the large one
// with a listing in its log box); cutcircle-picture.png: the page picture as decoded.
// holes-5.png, holes-13.png: the hole selector with five and with thirteen holes.
// main-circular-pocket.png, main-rectangle-pocket.png, main-cut-rectangle.png: the main
// window with each of those pages after "Létrehozás".
// Run it on the offscreen platform (QT_QPA_PLATFORM=offscreen) or under a display.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>
#include <string>
#include <utility>

#include "app/mainwindowlogic.h"
#include "desktop/aboutwindow.h"
#include "desktop/formview.h"
#include "desktop/jpeg.h"
#include "desktop/mainwindow.h"
#include "link/aboutbox.h"
#include "link/sleeper.h"
#include "ui/dialogs.h"
#include "wizards/common/numbertext.h"
#include "wizards/drilling/boltcircle.h"
#include "wizards/drilling/holeselector.h"

namespace {

bool save(QWidget& w, const QString& path) {
    w.show();
    QApplication::processEvents();
    bool ok = w.grab().save(path);
    if (!ok) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qorix-screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + "/";
    if (!QDir().mkpath(dir)) {  // a folder not there is made; one that cannot be is a failure
        std::fprintf(stderr, "qorix-screenshots: the folder cannot be made: %s\n", argv[1]);
        return 1;
    }
    ui::RecordingDialogs dialogs;  // no modal box stops the rendering
    qorix::NumberText num(',');
    qorix::RecordingSleeper sleeper;
    qorix::AboutBox store(num, sleeper);
    qorix::Services services{dialogs, num, &store, &store};
    qorix::MainWindowLogic form(services, "");
    ui::qt::MainWindow window(form, dialogs);
    window.setFitToScreen(false);  // the whole window, whatever the size of this screen
    form.FormActivate();
    form.ComboBox1.select(3);
    form.page(4).Button1.click();
    bool ok = save(window, dir + "main-cut-circle.png");
    // every other page as it first shows
    for (int n : {1, 2, 3, 5, 6, 7, 8}) {
        form.ComboBox1.select(n - 1);
        ok = ok && save(window, dir + QString("main-page-%1.png").arg(n));
    }
    ui::qt::AboutWindow about(store, dialogs);
    about.showNonModal();
    ok = ok && save(about, dir + "about-compact.png");
    store.OKButtonKeyPress('l');
    store.Button2Click();
    ok = ok && save(about, dir + "about-large.png");
    // the contour and pocket pages, each after "Létrehozás" with its defaults
    const std::pair<int, const char*> pages[] = {{2, "main-circular-pocket.png"},
                                                 {3, "main-rectangle-pocket.png"},
                                                 {5, "main-cut-rectangle.png"}};
    for (const auto& [number, file] : pages) {
        form.ComboBox1.select(number - 1);
        form.page(number).Button1.click();
        ok = save(window, dir + file) && ok;
    }
    // the hole selector with the drilling page's default five holes, and with 13
    auto& drilling = static_cast<qorix::BoltCirclePage&>(form.page(6));
    qorix::HoleSelectorDialog holes(services, drilling.holeChoice());
    drilling.setHoleSelector(&holes);
    ui::qt::FormView holesView(holes, dialogs);
    form.ComboBox1.select(5);
    drilling.RadioGroup1.setItemIndex(1);
    ok = ok && save(holesView, dir + "holes-5.png");
    drilling.Edit_drc_.setText("13");
    drilling.RadioGroup1.setItemIndex(2);
    ok = ok && save(holesView, dir + "holes-13.png");
    QImage picture = ui::qt::decodeJpeg(ui::qt::assetPath("cutcircle.jpg"));
    ok = ok && picture.save(dir + "cutcircle-picture.png");
    return ok ? 0 : 1;
}
