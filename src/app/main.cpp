// The desktop program: qorix-wizards [INSTALL_FOLDER]
#include <QApplication>
#include <iostream>
#include <string>

#include "app/about.h"
#include "app/form1.h"
#include "app/regional.h"
#include "link/aboutbox.h"
#include "link/positioncapture.h"
#include "ui/qt/aboutwindow.h"
#include "ui/qt/mainwindow.h"
#include "ui/qt/qtdialogs.h"
#include "wizards/common/numbertext.h"
#include "wizards/drilling/boltcircle.h"
#include "wizards/drilling/holeselector.h"
#include "wizards/thread/threadcheck.h"
#include "wizards/thread/threadrepair.h"

int main(int argc, char** argv) {
    if (qorix::standardOption(
            argc, argv, "qorix-wizards",
            "Használat: qorix-wizards [TELEPÍTÉSI_MAPPA]\n"
            "A QORIX varázslók asztali programja: G-kód programok marógéphez.\n\n"
            "TELEPÍTÉSI_MAPPA  a QORIX telepítési mappája; a cserefájlok a\n"
            "                  TELEPÍTÉSI_MAPPA/Wizards/Kombinat mappában vannak\n"
            "                  (alapérték: a saját mappában a QORIX)\n\n"
            "  --help     ez a súgó\n"
            "  --version  a változat\n",
            std::cout))
        return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(qorix::form1::kCaption);
    // read once, before any window exists; nothing changes it during the run
    qorix::NumberText num(qorix::regionalDecimalSeparator());
    ui::qt::QtDialogs dialogs;
    // the store lives for the whole run; its window is shown by "About"
    qorix::TAboutBox store(num);
    store.setVisible(false);
    qorix::Services services{dialogs, num, &store, &store};

    qorix::TForm1 form(services, argc > 1 ? std::string(argv[1]) : std::string());
    ui::qt::MainWindow window(form, dialogs);
    dialogs.setParentWindow(&window);
    // the dialogs live for the whole run, in the order of creation of the program start;
    // each is a window of its own that shows while its model is visible
    qorix::TForm6 capture(services);
    qorix::TForm9 holes(services);
    ui::qt::AboutWindow about(store, dialogs, &window);
    qorix::TForm12 check(services);
    for (ui::Form* dialog : {static_cast<ui::Form*>(&capture), static_cast<ui::Form*>(&holes),
                             static_cast<ui::Form*>(&check)}) {
        dialog->setVisible(false);
        ui::qt::openFormWindow(*dialog, dialogs, &window);
    }
    static_cast<qorix::TFrame8&>(form.page(6)).setHoleSelector(&holes);
    static_cast<qorix::TFrame11&>(form.page(8)).connectDialogs(capture, check);
    form.showAbout = [&about] { about.showNonModal(); };
    form.closeWindow = [&window] { window.close(); };
    window.show();
    return app.exec();
}
