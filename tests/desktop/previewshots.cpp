// Pictures of the screen with each page and its toolpath preview, for a person to look at:
//   qorix-preview-shots OUTPUT_FOLDER
// Run it under a display with a window manager (the README's pictures come from a 1366x768
// screen); each picture is the whole screen once the preview is drawn.
// page-N.png: wizard N after "Létrehozás" with its defaults (the thread repair measured at
// X 12,5 Z -3, checked and accepted); bolt-circle-left-out.png: eight holes on 60 mm with the
// third, sixth and eighth left out; spiral-parametric.png: the parametric spiral;
// thread-front.png: the thread repair seen from the front.
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/mainwindowlogic.h"
#include "app/wizardtable.h"
#include "desktop/mainwindow.h"
#include "link/aboutbox.h"
#include "link/sleeper.h"
#include "ui/dialogs.h"
#include "wizards/common/numbertext.h"
#include "wizards/drilling/boltcircle.h"
#include "wizards/drilling/holeselector.h"
#include "wizards/spiral/fibonacci.h"
#include "wizards/thread/threadcheck.h"
#include "wizards/thread/threadrepair.h"

namespace {

void waitMs(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

struct Shots {
    Shots(const QString& folder) : dir(folder + "/") {
        const auto& table = qorix::wizardTable();
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (!table[i].dialogs) continue;
            for (auto& d : table[i].dialogs(*form.pages().at(i), services)) {
                d->setVisible(false);  // models only: no dialog window covers the page
                dialogs.push_back(std::move(d));
            }
        }
        window.show();
        QElapsedTimer t;
        t.start();
        while (form.startupMarker != 21 && t.elapsed() < 20000) waitMs(20);
    }

    // The whole screen once the shown page's preview is drawn.
    bool shot(int wizardNumber, const char* name) {
        if (ui::qt::PreviewPanel* panel = window.preview(wizardNumber)) {
            QElapsedTimer t;
            t.start();
            auto* view = panel->view();
            while (!(view->scene() && view->idle()) && t.elapsed() < 20000) waitMs(20);
        }
        waitMs(300);  // the window painted
        const bool ok = window.screen()->grabWindow(0).save(dir + name);
        if (!ok) std::fprintf(stderr, "cannot write %s%s\n", qPrintable(dir), name);
        return ok;
    }

    qorix::WizardPage& choose(int wizardNumber) {
        form.ComboBox1.select(wizardNumber - 1);
        return form.page(wizardNumber);
    }

    // "Ellenőrzés" at a measured position, "Adatok rendben", then "Létrehozás".
    void pressThreadRepair() {
        auto& page = static_cast<qorix::ThreadRepairPage&>(choose(8));
        auto& check = static_cast<qorix::ThreadCheckDialog&>(*dialogs.at(2));
        page.Edit_Xpos_.setText("12,5");
        page.Edit_Ypos_.setText("0");
        page.Edit_Zpos_.setText("-3");
        page.Button4.click();
        check.Button1.click();
        page.Timer2.fire();
        page.Button1.click();
    }

    QString dir;
    ui::RecordingDialogs recorded;  // no message box stops the pictures
    qorix::NumberText num{','};
    qorix::RecordingSleeper sleeper;
    qorix::AboutBox store{num, sleeper};
    qorix::Services services{recorded, num, &store, &store};
    qorix::MainWindowLogic form{services, "/nonexistent-qorix-shots"};
    ui::qt::MainWindow window{form, recorded};
    std::vector<std::unique_ptr<ui::Form>> dialogs;  // hole selector, capture, check
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qorix-preview-shots OUTPUT_FOLDER\n");
        return 2;
    }
    Shots s(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (int n = 1; n <= 7; ++n) {
        qorix::WizardPage& page = s.choose(n);
        if (page.Button1.enabled()) page.Button1.click();
        ok = s.shot(n, qPrintable(QString("page-%1.png").arg(n))) && ok;
    }
    s.pressThreadRepair();
    ok = s.shot(8, "page-8.png") && ok;
    s.window.preview(8)->view()->setProjection(ui::qt::Projection::Front);
    ok = s.shot(8, "thread-front.png") && ok;

    auto& drill = static_cast<qorix::BoltCirclePage&>(s.choose(6));
    auto& selector = static_cast<qorix::HoleSelectorDialog&>(*s.dialogs.at(0));
    drill.Edit_drc_.setText("8");
    drill.Edit_r_.setText("60");
    drill.RadioGroup1.setItemIndex(drill.RadioGroup1.itemEnabled(1) ? 1 : 2);
    for (int i = 1; i <= selector.holeBoxCount(); ++i)
        selector.holeBox(i)->setChecked(i != 3 && i != 6 && i != 8);
    selector.Button2.click();
    drill.Button1.click();
    ok = s.shot(6, "bolt-circle-left-out.png") && ok;

    auto& spiral = static_cast<qorix::FibonacciSpiralPage&>(s.choose(1));
    spiral.RadioGroup1.setItemIndex(1);
    spiral.Button1.click();
    ok = s.shot(1, "spiral-parametric.png") && ok;
    return ok ? 0 : 1;
}
