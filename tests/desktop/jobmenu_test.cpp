// "Feladat" in the real main window, by keyboard: its menu, the save and open keys with the
// program's file dialogs, "Alapértékek", a refused file's message box, and a golden job that
// gives the golden program on a fresh start; the tool table's editor and a page's tool choice.
#include <QMenu>
#include <QTableWidget>
#include <QtTest>

#include "app/pagejobs.h"
#include "app/toolchoice.h"
#include "app/wizardtable.h"
#include "desktopprogram.h"

namespace {

using qorix::test::bytesOf;
using qorix::test::Program;

QStringList goldenJobProgram() {
    QString text = QString::fromUtf8(bytesOf(QORIX_GOLDEN_DIR "/cut-circle/job.tap"));
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// The menu opened from its button by the space key; `keys` then go to it once it is shown (a
// slow window system shows it late), and a menu still open after them is closed, so that a
// wrong key fails the test rather than hanging it.
QStringList pickFromMenu(QPushButton* button, const QList<Qt::Key>& keys) {
    QStringList seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible()) return;
        if (!seen.isEmpty()) {
            menu->close();
            return;
        }
        for (QAction* a : menu->actions()) seen << a->text();
        for (Qt::Key k : keys) QTest::keyClick(menu, k);
    });
    poll.start(50);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    return seen;
}

}  // namespace

class JobMenuTest : public QObject {
    Q_OBJECT

private slots:
    void savesOpensAndRestoresByKeyboard() {
        QTemporaryDir config;
        Program p;
        qorix::PageJobs jobs(p.form, p.dialogs, ',', config.path().toStdString());
        p.window.addJobMenu(jobs);
        QVERIFY(p.start());
        p.window.activateWindow();  // the keyboard, once the start-up warning is answered
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        p.chooseCutCircle();
        auto* button = p.top<QPushButton>("jobMenu");
        QVERIFY(button);
        QCOMPARE(button->text(), QString("&Feladat"));
        p.top<QPushButton>("Button3")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button);  // after the send button

        auto* diameter = p.onPage<QLineEdit>("Edit_r_");
        // the offscreen platform gives the keyboard back to no window after a dialog or menu
        auto withShift = [&](Qt::Key key) {
            p.window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&p.window));
            QTest::keyClick(diameter, key, Qt::ControlModifier | Qt::ShiftModifier);
        };
        diameter->setFocus();
        diameter->selectAll();
        QTest::keyClicks(diameter, "33");
        const QString job = p.saves.filePath("kör");
        p.driver.chooseFile(job.toStdString());
        withShift(Qt::Key_S);
        QCOMPARE(p.driver.lastDialogTitle, QString("Mentés feladatként"));
        QCOMPARE(p.driver.lastFilters, QStringList({"Feladat (*.qjob)", "Minden fájl (*)"}));
        QVERIFY(bytesOf(job + ".qjob").contains("\nEdit_r_=33\n"));

        const QStringList items =
            pickFromMenu(button, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(items, QStringList({"Mentés feladatként…", "Feladat megnyitása…", "Alapértékek",
                                     "", "Utolsó értékek megőrzése"}));
        QCOMPARE(diameter->text(), QString("20"));

        p.driver.chooseFile((job + ".qjob").toStdString());
        withShift(Qt::Key_O);
        QCOMPARE(diameter->text(), QString("33"));

        // another wizard's job: its box, and the page as it was
        const QString other = p.saves.filePath("fúrás.qjob");
        QFile f(other);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("qorix-job 1\nwizard=bolt-circle\nEdit_r_=50\n");
        f.close();
        p.driver.clearMessages();
        p.driver.chooseFile(other.toStdString());
        withShift(Qt::Key_O);
        QCOMPARE(p.driver.messages().size(), std::size_t{1});
        QCOMPARE(p.driver.messages()[0].text,
                 "A(z) „" + qorix::test::nativePath(other).toStdString() +
                     "” feladatfájl 2. sora nem tölthető be: a feladat a(z) „bolt-circle” "
                     "varázslóé, nem a(z) „cut-circle”-é.");
        QCOMPARE(diameter->text(), QString("33"));

        // the golden job from a folder of this run: a POSIX path is no path to Windows' dialog
        const QString golden = p.saves.filePath("golden.qjob");
        QVERIFY(QFile::copy(QORIX_GOLDEN_DIR "/cut-circle/job.qjob", golden));
        p.driver.chooseFile(golden.toStdString());
        withShift(Qt::Key_O);
        p.create();
        QCOMPARE(p.output(), goldenJobProgram());

        pickFromMenu(button, {Qt::Key_Up, Qt::Key_Return});  // the last item
        QVERIFY(jobs.keepLast());
        QCOMPARE(bytesOf(QString::fromStdString(jobs.settingsPath())),
                 QByteArray("keep-last-values=1\n"));
    }

    // A page takes its tool from the table by keyboard, and the editor adds a tool by
    // keyboard that the page's choice then offers.
    void toolTableByKeyboard() {
        QTemporaryDir config;
        const QString path = config.filePath("qorix-wizards/tools.txt");
        Program p;
        qorix::PageJobs jobs(p.form, p.dialogs, ',', config.path().toStdString());
        qorix::ToolBook book(path.toStdString());
        QVERIFY(QDir().mkpath(config.filePath("qorix-wizards")));
        QVERIFY(QFile::copy(QORIX_GOLDEN_DIR "/cut-circle/tools.txt", path));
        book.open(p.dialogs);
        std::vector<std::string> slugs;
        std::vector<ui::Form*> pages;
        for (const auto& w : qorix::wizardTable()) slugs.push_back(w.slug);
        for (const auto& page : p.form.pages()) pages.push_back(page.get());
        const auto choices = qorix::addToolChoices(book, slugs, pages, ',');
        p.window.addJobMenu(jobs);
        p.window.addToolTable(book, ',');
        QVERIFY(p.start());
        p.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        p.chooseCutCircle();

        auto* choice = p.onPage<QComboBox>("ComboBox_szt_");
        QVERIFY(choice);
        p.onPage<QCheckBox>("CheckBox_szsz_")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), choice);  // after the tool number's "nincs"
        QCOMPARE(choice->count(), 4);
        QTest::keyClick(choice, Qt::Key_Down);
        QCOMPARE(choice->currentText(), QString("T3 Maró 6 mm (⌀6)"));
        QCOMPARE(p.onPage<QLineEdit>("Edit_szc_")->text(), QString("1,5"));
        QVERIFY(p.onPage<QLineEdit>("Edit_szc_")->isEnabled());
        p.create();
        QString golden = QString::fromUtf8(bytesOf(QORIX_GOLDEN_DIR "/cut-circle/tool.tap"));
        QCOMPARE(p.output(), golden.trimmed().split('\n'));

        // the editor: a new tool (Insert), its name and diameter typed, Ctrl+S
        bool driven = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* editor = QApplication::activeModalWidget();
            if (driven || !editor || editor->objectName() != "toolTable") return;
            driven = true;
            auto* grid = editor->findChild<QTableWidget*>("toolGrid");
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_Insert);
            // each key to the widget that has the focus: the first opens the cell's editor
            auto type = [](const QString& text) {
                for (QChar c : text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
            };
            type("Új");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            type("8,5");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        });
        poll.start(50);
        QTest::keyClick(&p.window, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(driven);
        QVERIFY(bytesOf(path).endsWith("\n13;Új;8.5;;;;;;\n"));
        QCOMPARE(choice->count(), 5);
        QCOMPARE(choice->currentText(), QString("T3 Maró 6 mm (⌀6)"));  // still chosen
        QCOMPARE(choice->itemText(4), QString("T13 Új (⌀8,5)"));
        QCOMPARE(p.form.StatusLine.caption(), "Szerszámtábla mentve: " + path.toStdString());

        // the choice never names a tool that the fields no longer hold: "Alapértékek" (and any
        // edit of a field it filled) brings "nincs" back
        p.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        pickFromMenu(p.top<QPushButton>("jobMenu"),
                     {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(p.onPage<QLineEdit>("Edit_szc_")->text(), QString("0,6"));
        QCOMPARE(choice->currentText(), QString("nincs"));
    }
};

QTEST_MAIN(JobMenuTest)
#include "jobmenu_test.moc"
