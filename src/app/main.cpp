// The desktop program: qorix-wizards [INSTALL_FOLDER]
#include <QApplication>
#include <string>

#include "app/form1.h"
#include "app/regional.h"
#include "link/aboutbox.h"
#include "ui/qt/aboutwindow.h"
#include "ui/qt/mainwindow.h"
#include "ui/qt/qtdialogs.h"
#include "wizards/common/numbertext.h"

int main(int argc, char** argv) {
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
    ui::qt::AboutWindow about(store, dialogs, &window);
    form.showAbout = [&about] { about.showNonModal(); };
    form.closeWindow = [&window] { window.close(); };
    window.show();
    return app.exec();
}
