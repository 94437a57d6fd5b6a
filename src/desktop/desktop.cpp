#include "desktop/desktop.h"

#include <QApplication>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/mainwindowlogic.h"
#include "app/pagejobs.h"
#include "app/toolchoice.h"
#include "app/wizardtable.h"
#include "desktop/aboutwindow.h"
#include "desktop/mainwindow.h"
#include "desktop/qtdialogs.h"
#include "link/aboutbox.h"
#include "link/textfile.h"
#include "platform/regional.h"
#include "wizards/common/numbertext.h"

namespace qorix {

namespace {

// The application's names (the settings' place) and Qt's own texts in Hungarian.
void nameApplication(QApplication& app) {
    // without an organisation Windows would remember nothing
    QApplication::setOrganizationName("QORIX");
    QApplication::setApplicationName(mainwindow::kCaption);
    ui::qt::installHungarianQtTexts(app);  // without them Qt's own dialogs speak English
}

// The dialogs live for the whole run, made and connected as the wizard table says; each is a
// window of its own that shows while its model is visible.
std::vector<std::unique_ptr<ui::Form>> makePageDialogs(MainWindowLogic& form, Services& services,
                                                       ui::Dialogs& dialogs, QWidget* window) {
    std::vector<std::unique_ptr<ui::Form>> made;
    const auto& table = wizardTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (!table[i].dialogs) continue;
        for (auto& dialog : table[i].dialogs(*form.pages().at(i), services)) {
            dialog->setVisible(false);
            ui::qt::openFormWindowWhenShown(*dialog, dialogs, window);
            made.push_back(std::move(dialog));
        }
    }
    return made;
}

std::vector<std::string> slugs() {
    std::vector<std::string> all;
    for (const Wizard& w : wizardTable()) all.push_back(w.slug);
    return all;
}

std::vector<ui::Form*> pagesOf(MainWindowLogic& form) {
    std::vector<ui::Form*> pages;
    for (const auto& p : form.pages()) pages.push_back(p.get());
    return pages;
}

}  // namespace

int runDesktop(int argc, char** argv, const std::function<void()>& whenShown) {
    textfile::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    nameApplication(app);
    // read once, before any window exists; nothing changes it during the run
    NumberText num(platform::decimalSeparator());
    ui::qt::QtDialogs dialogs;
    // the store lives for the whole run; its window is shown by "About"
    AboutBox store(num);
    store.setVisible(false);
    Services services{dialogs, num, &store, &store};

    // through Qt, which reads the wide command line on Windows: the folder stays UTF-8
    const QStringList arguments = QCoreApplication::arguments();
    MainWindowLogic form(services,
                         arguments.size() > 1 ? arguments[1].toStdString() : std::string());
    // before any page's start-up, so that a page kept from the last run starts from it
    PageJobs jobs(form, dialogs, num.separator(), configurationFolder());
    // the tool table, and a choice of its tools on every page that asks for a tool
    ToolBook tools(tools::defaultPath());
    tools.open(dialogs);
    const auto toolChoices = addToolChoices(tools, slugs(), pagesOf(form), num.separator());
    ui::qt::MainWindow window(form, dialogs);
    window.addJobMenu(jobs);
    window.addToolTable(tools, num.separator());
    dialogs.setParentWindow(&window);
    const std::vector<std::unique_ptr<ui::Form>> pageDialogs =
        makePageDialogs(form, services, dialogs, &window);
    // the About window is made the first time it is asked for
    std::unique_ptr<ui::qt::AboutWindow> about;
    auto aboutWindow = [&]() -> ui::qt::AboutWindow& {
        if (!about) about = std::make_unique<ui::qt::AboutWindow>(store, dialogs, &window);
        return *about;
    };
    form.showAbout = [&aboutWindow] { aboutWindow().showNonModal(); };
    form.closeWindow = [&window, &jobs] {
        jobs.storeLast();
        window.closeForGood();
    };
    window.show();
    if (whenShown) QTimer::singleShot(0, &app, whenShown);
    return app.exec();
}

}  // namespace qorix
