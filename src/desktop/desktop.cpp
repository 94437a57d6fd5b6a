#include "desktop/desktop.h"

#include <QApplication>
#include <QTimer>
#include <memory>
#include <string>

#include "app/form1.h"
#include "app/regional.h"
#include "desktop/aboutwindow.h"
#include "desktop/mainwindow.h"
#include "desktop/qtdialogs.h"
#include "link/aboutbox.h"
#include "link/positioncapture.h"
#include "wizards/common/numbertext.h"
#include "wizards/drilling/boltcircle.h"
#include "wizards/drilling/holeselector.h"
#include "wizards/thread/threadcheck.h"
#include "wizards/thread/threadrepair.h"

namespace qorix {

int runDesktop(int argc, char** argv, const std::function<void()>& whenShown) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(form1::kCaption);
    // read once, before any window exists; nothing changes it during the run
    NumberText num(regionalDecimalSeparator());
    ui::qt::QtDialogs dialogs;
    // the store lives for the whole run; its window is shown by "About"
    TAboutBox store(num);
    store.setVisible(false);
    Services services{dialogs, num, &store, &store};

    TForm1 form(services, argc > 1 ? std::string(argv[1]) : std::string());
    ui::qt::MainWindow window(form, dialogs);
    dialogs.setParentWindow(&window);
    // the dialogs live for the whole run, in the order of creation of the program start;
    // each is a window of its own that shows while its model is visible
    TForm6 capture(services);
    TForm9 holes(services);
    // the About window is made the first time it is asked for
    std::unique_ptr<ui::qt::AboutWindow> about;
    auto aboutWindow = [&]() -> ui::qt::AboutWindow& {
        if (!about) about = std::make_unique<ui::qt::AboutWindow>(store, dialogs, &window);
        return *about;
    };
    TForm12 check(services);
    for (ui::Form* dialog : {static_cast<ui::Form*>(&capture), static_cast<ui::Form*>(&holes),
                             static_cast<ui::Form*>(&check)}) {
        dialog->setVisible(false);
        ui::qt::openFormWindowWhenShown(*dialog, dialogs, &window);
    }
    static_cast<TFrame8&>(form.page(6)).setHoleSelector(&holes);
    static_cast<TFrame11&>(form.page(8)).connectDialogs(capture, check);
    form.showAbout = [&aboutWindow] { aboutWindow().showNonModal(); };
    form.closeWindow = [&window] { window.close(); };
    window.show();
    if (whenShown) QTimer::singleShot(0, &app, whenShown);
    return app.exec();
}

}  // namespace qorix
