// One run of the desktop program for the Qt tests: the main window over a fresh install
// folder, its store and About window, the modal dialogs answered by a driver, and the
// expected bytes of the cut circle's worked example.
#pragma once

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "app/mainwindowlogic.h"
#include "app/toolchoice.h"
#include "app/wizardtable.h"
#include "desktop/aboutwindow.h"
#include "desktop/linebox.h"
#include "desktop/mainwindow.h"
#include "desktop/qtdialogs.h"
#include "link/aboutbox.h"
#include "link/sleeper.h"
#include "link/textfile.h"
#include "modaldriver.h"
#include "platform/files.h"
#include "ui/event.h"
#include "wizards/common/numbertext.h"

namespace qorix::test {

inline const ui::Message kG59{
    "Figyelmeztetés",
    "A varázsló bizonyos esetekben a \"G59\"-es offsetet használja. Ha van "
    "beállított értéked mentsd el magadnak és a varázsló használata után "
    "állítsd vissza."};

inline QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A path as the system writes it ("\\" on Windows), as the program shows and saves it.
inline QString nativePath(const QString& path) {
    return QString::fromStdString(qorix::platform::nativePath(path.toStdString()));
}

inline QStringList goldenLines() {
    QString text = QString::fromUtf8(bytesOf(QORIX_GOLDEN_DIR "/cut-circle/worked-example.tap"));
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

inline QByteArray goldenProgramBytes() {
    QByteArray bytes;
    for (const QString& line : goldenLines())
        bytes += QByteArray::fromStdString(qorix::textfile::toCp1250(line.toStdString())) + "\r\n";
    return bytes;
}

// One run of the program: the main window over a fresh install folder.
struct Program {
    explicit Program(bool withExchangeFolder = true) {
        if (withExchangeFolder) QDir().mkpath(exchange());
        dialogs.setParentWindow(&window);
        form.closeWindow = [this] { window.closeForGood(); };
        form.showAbout = [this] { about.showNonModal(); };
    }
    QString exchange() const { return install.path() + "/Wizards/Kombinat"; }
    QByteArray exchangeFile(const char* name) const { return bytesOf(exchange() + "/" + name); }

    // Shows the window and waits until the first activation's warning has been answered.
    bool start() {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) return false;
        return QTest::qWaitFor([this] { return !driver.messages().empty(); }, 10000);
    }
    // The About window's size: the one it asked for at once, the one the window system
    // gives it once its pending geometry events are through (never assumed to be at once).
    bool aboutSized(QSize expected) {
        if (about.minimumSize() != expected || about.maximumSize() != expected) return false;
        return QTest::qWaitFor(
            [&] {
                return about.size() == expected && about.windowHandle() &&
                       about.windowHandle()->size() == expected;
            },
            10000);
    }
    // The tool table's choice on every page that asks for a tool, as the program makes it;
    // before start(), while no page is built.
    void offerTools() {
        std::vector<std::string> slugs;
        for (const Wizard& w : wizardTable()) slugs.push_back(w.slug);
        std::vector<ui::Form*> pages;
        for (const auto& page : form.pages()) pages.push_back(page.get());
        toolChoices = addToolChoices(tools, slugs, pages, num.separator());
    }
    template <class W>
    W* top(const char* name) const {
        return window.findChild<W*>(name);
    }
    ui::qt::FormView* cutCircle() const { return window.pageView(4); }
    template <class W>
    W* onPage(const char* name) const {
        return cutCircle()->widget<W>(name);
    }
    void chooseCutCircle() {
        auto* list = top<QComboBox>("ComboBox1");
        list->setFocus();
        for (int i = 0; i < 4; ++i) QTest::keyClick(list, Qt::Key_Down);
    }
    void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    // A user event on the models, as the window runs one.
    void binderRun(const std::function<void()>& event) { ui::runEvent(dialogs, event); }
    void create() { click(onPage<QPushButton>("Button1")); }
    QStringList output() const {
        QString text = onPage<ui::qt::LineBox>("Memo1")->toPlainText();
        return text.isEmpty() ? QStringList() : text.split('\n');
    }

    QTemporaryDir install;
    QTemporaryDir saves;
    ModalDriver driver;
    ui::qt::QtDialogs dialogs;
    qorix::NumberText num{','};
    qorix::RecordingSleeper sleeper;
    qorix::AboutBox store{num, sleeper};
    bool storeHidden = (store.setVisible(false), true);  // as the program starts it
    qorix::Session& shared = store;
    qorix::Services services{dialogs, num, &store, &store};
    qorix::MainWindowLogic form{services, install.path().toStdString()};
    ui::qt::MainWindow window{form, dialogs};
    ui::qt::AboutWindow about{store, dialogs, &window};
    qorix::ToolBook tools{std::string()};
    std::vector<std::unique_ptr<qorix::ToolChoice>> toolChoices;
};

}  // namespace qorix::test
