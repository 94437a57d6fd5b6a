// "Feladat" in the real main window, by keyboard: its menu, the save and open keys with the
// program's file dialogs, "Alapértékek", a refused file's message box, and a golden job that
// gives the golden program on a fresh start.
#include <QMenu>
#include <QtTest>

#include "app/pagejobs.h"
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
};

QTEST_MAIN(JobMenuTest)
#include "jobmenu_test.moc"
