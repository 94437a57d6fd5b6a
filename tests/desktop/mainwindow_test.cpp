// The desktop program's real widgets on the offscreen platform: the main window, the cut
// circle page, the message boxes and the save dialog, and the bytes the send step leaves.
#include "desktop/mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "app/mainwindowlogic.h"
#include "desktop/aboutwindow.h"
#include "desktop/linebox.h"
#include "desktop/qtdialogs.h"
#include "desktopprogram.h"
#include "link/aboutbox.h"
#include "link/sleeper.h"
#include "link/textfile.h"
#include "modaldriver.h"
#include "ui/event.h"
#include "wizards/common/numbertext.h"

namespace {

using qorix::test::bytesOf;
using qorix::test::goldenLines;
using qorix::test::goldenProgramBytes;
using qorix::test::kG59;
using qorix::test::ModalDriver;
using qorix::test::nativePath;
using qorix::test::Program;

// Counts the windows that show while it lives.
struct ShowCounter : QObject {
    ShowCounter() { qApp->installEventFilter(this); }
    ~ShowCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            if (w->isWindow() && !qobject_cast<QMessageBox*>(w)) ++windows;
        }
        return false;
    }
    int windows = 0;
};

// Whether the whole widget shows, not cut by the window's edge nor by a scrolled area.
bool wholeInView(QWidget* w) {
    return w && w->isVisible() && w->visibleRegion().boundingRect() == w->rect() &&
           w->window()->rect().contains(QRect(w->mapTo(w->window(), QPoint()), w->size()));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void captionAndListEntries() {
        Program p;
        QCOMPARE(p.window.windowTitle(), QString("QORIX varázslók"));
        auto* list = p.top<QComboBox>("ComboBox1");
        QVERIFY(list);
        QCOMPARE(list->currentText(), QString("Válassz a varázslókból egyet"));
        QStringList entries;
        for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
        QCOMPARE(entries,
                 QStringList({"Fibonacci spirál", "Körzseb (circular pocket)",
                              "Téglalapzseb (rectangle pocket)", "Kör kivágás (cut circle)",
                              "Téglalap kivágás (cut rectangle)",
                              "Fúrás kör mentén (drill circular bolt pattern)",
                              "Fúrás Téglalap mentén (drill rectangle bolt pattern)",
                              "Menet javítás", "Síkmarás (face milling)", "Horony (slot)"}));
        auto* send = p.top<QPushButton>("Button3");
        QCOMPARE(send->text(), QString("Válassz varázslót először!!"));
        QVERIFY(!send->isEnabled());
        QCOMPARE(p.top<QPushButton>("Button1")->text(), QString("About"));
        QCOMPARE(p.top<QPushButton>("Button4")->text(), QString("Exit"));
        QCOMPARE(p.top<QCheckBox>("CheckBox1")->text(), QString("QORIX nélküli futtatás"));
    }

    void g59WarningOnceOverTwoActivations() {
        Program p;
        QVERIFY(p.start());
        QCOMPARE(p.driver.messages(), std::vector<ui::Message>{kG59});
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        p.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        QTest::qWait(50);
        QCOMPARE(p.driver.messages().size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(p.shared.dataPath),
                 p.install.path() + nativePath("/Wizards/Kombinat/adatcsere.txt"));
    }

    void startUpOpensNoStrayWindowsAndMakesThePagesLater() {
        // every widget made for a window must stay inside it: one shown on its own would
        // flash up as a window of its own and slow the start
        ShowCounter shows;
        std::unique_ptr<Program> p = std::make_unique<Program>();
        QCOMPARE(shows.windows, 0);
        QCOMPARE(p->window.pagesMade(), 0);
        QVERIFY(p->start());
        QCOMPARE(shows.windows, 1);  // the main window (the warning box is driven away)
        // the warning waited for the pages, so that it opened over the window's final place
        QCOMPARE(p->window.pagesMade(), 10);
        // the pages nobody chose are made in the idle time once the window has shown
        QVERIFY(QTest::qWaitFor([&] { return p->window.pagesMade() == 10; }, 10000));
        QTest::qWait(100);  // the window takes its final size
        const QSize size = p->window.size();
        // and is centred again at that size, in each direction where it fits the screen; where
        // it does not, its top and left edge stay on the screen (the top bar with them)
        const QRect frame = p->window.frameGeometry();
        const QRect free = p->window.screen()->availableGeometry();
        if (frame.width() <= free.width())
            QVERIFY(std::abs(frame.center().x() - free.center().x()) <= 2);
        else
            QCOMPARE(frame.left(), free.left());
        if (frame.height() <= free.height())
            QVERIFY(std::abs(frame.center().y() - free.center().y()) <= 2);
        else
            QCOMPARE(frame.top(), free.top());
        QVERIFY2(frame.height() <= free.height(), "the pages do not scroll on a small screen");
        const QWidget* area = p->window.findChild<QWidget*>("pages");
        for (int n = 1; n <= 8; ++n) {
            // the least a page takes (its fields scrolled) fits; the buttons stay in view
            const QSize page = p->window.pageView(n)->minimumSizeHint();
            QVERIFY2(page.width() <= area->width() && page.height() <= area->height(),
                     qPrintable(QString("page %1 is larger than the place of the pages").arg(n)));
        }
        // choosing wizards one after the other never resizes the window
        auto* list = p->top<QComboBox>("ComboBox1");
        for (int i = 0; i < 8; ++i) {
            list->setCurrentIndex(i);
            QApplication::processEvents();
            QCOMPARE(p->window.size(), size);
        }
    }

    void aPageChosenBeforeItWasMadeIsMadeAtOnce() {
        Program p;
        p.form.ComboBox1.select(3);
        QCOMPARE(p.window.pagesMade(), 1);
        p.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.window));
        QVERIFY(p.cutCircle()->isVisible());
        QCOMPARE(p.cutCircle()->widget<QLabel>("Title")->text(),
                 QString("Kör kivágás (cut circle)"));
    }

    void aDialogWindowIsMadeTheFirstTimeItsFormShows() {
        QWidget owner;
        ui::Form dialog("TFormX", "Próba");
        ui::Edit field(&dialog, "Edit1", "Mező:");
        dialog.setVisible(false);
        ui::qt::QtDialogs dialogs;
        ui::qt::openFormWindowWhenShown(dialog, dialogs, &owner);
        QVERIFY(!owner.findChild<ui::qt::FormView*>("TFormX"));
        dialog.setVisible(true);
        auto* view = owner.findChild<ui::qt::FormView*>("TFormX");
        QVERIFY(view);
        QVERIFY(view->isWindow());
        QVERIFY(view->isVisible());
        QCOMPARE(view->windowTitle(), QString("Próba"));
        dialog.setVisible(false);
        QVERIFY(!view->isVisible());
        dialog.setVisible(true);  // shown again: the same window, not a second one
        QCOMPARE(owner.findChildren<ui::qt::FormView*>("TFormX").size(), 1);
        QVERIFY(view->isVisible());
    }

    void choosingCutCircleShowsItsPage() {
        Program p;
        QVERIFY(p.start());
        QVERIFY(!p.cutCircle()->isVisible());
        p.chooseCutCircle();
        QCOMPARE(p.top<QComboBox>("ComboBox1")->currentText(), QString("Kör kivágás (cut circle)"));
        QVERIFY(p.cutCircle()->isVisible());
        for (int n = 1; n <= 8; ++n)
            if (n != 4) QVERIFY(!p.window.pageView(n)->isVisible());
        auto* send = p.top<QPushButton>("Button3");
        QCOMPARE(send->text(), QString("Küldés az QORIX-be"));
        QVERIFY(send->isEnabled());
        QTest::mouseClick(p.top<QCheckBox>("CheckBox1"), Qt::LeftButton);
        QCOMPARE(send->text(), QString("Mentés"));
        QCOMPARE(p.shared.standalone, 1);
        // the page's own widgets carry its captions
        QCOMPARE(p.cutCircle()->widget<QLabel>("Title")->text(),
                 QString("Kör kivágás (cut circle)"));
        QCOMPARE(p.onPage<QLabel>("Edit_r_.caption")->text(), QString("Kör átmérője:"));
        QCOMPARE(p.onPage<QLineEdit>("Edit_r_")->text(), QString("20"));
        QVERIFY(!p.onPage<QLineEdit>("Edit_szc_")->isEnabled());
        QVERIFY(!p.onPage<QLabel>("Edit_szc_.caption")->isEnabled());
        QVERIFY(!p.onPage<QLabel>("Image1")->pixmap().isNull());
    }

    // On a workshop screen "Létrehozás" and "Törlés" lay below the window's edge (the page
    // area took the tallest page's height) and the preview's measures were cut off. The
    // drilling pages' fields, groups and "Újra választ" went under the fold at 1366 px once
    // the tool table's choice took a row of its own.
    void everyPagesButtonsAndPreviewAreInViewAtWorkshopSizes() {
        Program p;
        p.offerTools();
        QVERIFY(p.start());
        const std::vector<int> wholeAt1366{6, 7};  // the bolt circle, the rectangle pattern
        for (QSize size : {QSize(1366, 740), QSize(1024, 740)}) {
            // the pages fit the screen, not the window: a window stands for a screen of its
            // size only where the screen is no wider (the offscreen one is 800 px)
            const int screenWidth = p.window.screen()->availableGeometry().width();
            if (size.width() < screenWidth)
                QSKIP(qPrintable(QString("the pages fold by the screen's width: a %1 px screen "
                                         "needs a display that narrow, this one is %2 px")
                                     .arg(size.width())
                                     .arg(screenWidth)));
            p.window.resize(size);
            QVERIFY(p.window.width() <= size.width());
            for (int n = 1; n <= 8; ++n) {
                p.form.ComboBox1.select(n - 1);
                QApplication::processEvents();
                ui::qt::FormView* page = p.window.pageView(n);
                const QString where = QString("page %1 at %2 px").arg(n).arg(size.width());
                for (const ui::Control* c : p.form.page(n).controls())
                    if (c->kind() == ui::Kind::Button && c->visible())
                        QVERIFY2(wholeInView(page->widget<QPushButton>(c->name())),
                                 qPrintable(where + " " + QString::fromStdString(c->name())));
                auto* tabs = page->findChild<QTabWidget*>("previewTabs");
                tabs->setCurrentIndex(tabs->count() - 1);  // the drawing, not the picture
                QApplication::processEvents();
                for (const char* name : {"previewMeasures", "openProgram"})
                    QVERIFY2(wholeInView(page->findChild<QWidget*>(name)), qPrintable(where));
                if (size.width() == 1366 && std::count(wholeAt1366.begin(), wholeAt1366.end(), n))
                    QVERIFY2(page->findChild<QScrollArea*>("fieldsScroll")
                                     ->verticalScrollBar()
                                     ->maximum() == 0,
                             qPrintable(where + ": the fields scroll"));
            }
        }
    }

    void createFillsTheOutputBox() {
        Program p;
        QVERIFY(p.start());
        p.chooseCutCircle();
        p.create();
        QCOMPARE(p.output(), goldenLines());
        QCOMPARE(p.driver.messages().size(), std::size_t(1));
        // a tick on the real "nincs" box switches the step field on
        QTest::mouseClick(p.onPage<QCheckBox>("CheckBox_szc_"), Qt::LeftButton);
        QVERIFY(p.onPage<QLineEdit>("Edit_szc_")->isEnabled());
        // "Törlés" empties it
        p.click(p.onPage<QPushButton>("Button2"));
        QVERIFY(p.output().isEmpty());
    }

    // The box is filled once per create run, and what the user types in it stays there and
    // is at once what the page holds, until the next run replaces it.
    void outputBoxFollowsRunsAndKeepsTyping() {
        Program p;
        QVERIFY(p.start());
        p.chooseCutCircle();
        auto* box = p.onPage<ui::qt::LineBox>("Memo1");
        QSignalSpy changes(box, &ui::qt::LineBox::textChanged);
        p.create();
        QCOMPARE(changes.count(), 1);
        QCOMPARE(p.output(), goldenLines());

        box->setFocus();
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, "M0");
        QStringList typed = goldenLines() << "M0";
        QCOMPARE(p.output(), typed);
        QCOMPARE(box->cursorPosition(), (ui::qt::TextPos{int(typed.size()) - 1, 2}));
        const auto& model = p.form.page(4).Memo1.lines();
        QCOMPARE(model.size(), std::size_t(typed.size()));
        QCOMPARE(QString::fromStdString(model.back()), QString("M0"));

        // over a program: emptied before the checks run, then the new program at once
        changes.clear();
        p.create();
        QCOMPARE(changes.count(), 2);
        QCOMPARE(p.output(), goldenLines());
    }

    void whatWasJustTypedIsSavedWithoutWaiting() {
        Program p;
        QVERIFY(p.start());
        p.chooseCutCircle();
        QTest::mouseClick(p.top<QCheckBox>("CheckBox1"), Qt::LeftButton);  // standalone
        p.create();
        auto* box = p.onPage<ui::qt::LineBox>("Memo1");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClicks(box, "(kez)");
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, "M0");
        // "Mentés" at once, before the typing pause has passed
        const QString chosen = p.saves.path() + "/kézi";
        p.driver.chooseFile(chosen.toStdString());
        p.click(p.top<QPushButton>("Button3"));
        QStringList lines = goldenLines();
        lines.first().prepend("(kez)");
        lines << "M0";
        QByteArray expected;
        for (const QString& line : lines)
            expected +=
                QByteArray::fromStdString(qorix::textfile::toCp1250(line.toStdString())) + "\r\n";
        QCOMPARE(bytesOf(chosen + ".tap"), expected);
    }

    void aSeriesRunScrollsTheOutputBoxToItsNewLines() {
        Program p;
        QVERIFY(p.start());
        p.chooseCutCircle();
        auto* series = p.form.page(4).findAs<ui::RadioGroup>("RadioGroup_s_");
        QVERIFY(series);
        p.binderRun([&] { series->setItemIndex(1); });
        for (int i = 0; i < 4; ++i) p.create();
        auto* box = p.onPage<ui::qt::LineBox>("Memo1");
        QApplication::processEvents();
        const int last = box->lineCount() - 1;
        QCOMPARE(box->cursorPosition(), (ui::qt::TextPos{last, int(box->lineText(last).size())}));
        QScrollBar* bar = box->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QVERIFY2(bar->maximum() - bar->value() <= 1, "the last lines are not in view");
        // a run that replaces the lines starts at the top again
        p.binderRun([&] { series->setItemIndex(0); });
        p.create();
        QApplication::processEvents();
        QCOMPARE(bar->value(), 0);
    }

    void hostModeSendAndBack() {
        Program p;
        QVERIFY(p.start());
        p.chooseCutCircle();
        p.create();
        const QString chosen = p.saves.path() + "/kör";
        p.driver.chooseFile(chosen.toStdString());
        auto* send = p.top<QPushButton>("Button3");
        p.click(send);
        QCOMPARE(p.driver.saveDialogs(), 1);
        QCOMPARE(p.driver.lastFilters, QStringList{"*.tap (*.tap)"});
        QVERIFY(p.driver.lastDefaultSuffix.isEmpty());
        QCOMPARE(
            p.exchangeFile("file.txt"),
            QByteArray::fromStdString(qorix::textfile::toCp1250(nativePath(chosen).toStdString())) +
                ".tap\r\n");
        QCOMPARE(bytesOf(chosen + ".tap"), goldenProgramBytes());
        QCOMPARE(p.exchangeFile("adatcsere.txt"), QByteArray("L"));
        QVERIFY(!p.cutCircle()->isVisible());
        QCOMPARE(send->text(), QString("Vissza az utolsó varázslóba"));
        p.click(send);
        QVERIFY(p.cutCircle()->isVisible());
        QCOMPARE(send->text(), QString("Küldés az QORIX-be"));
        QCOMPARE(p.driver.saveDialogs(), 1);
        QCOMPARE(p.driver.messages().size(), std::size_t(1));
    }

    void cancelledFirstSaveWritesNothing() {
        Program p;
        QVERIFY(p.start());
        p.chooseCutCircle();
        p.create();
        p.driver.cancelSave();
        p.click(p.top<QPushButton>("Button3"));
        QCOMPARE(p.driver.saveDialogs(), 1);
        QVERIFY(QDir(p.exchange()).isEmpty());
        QVERIFY(QDir(p.saves.path()).isEmpty());
        QVERIFY(p.cutCircle()->isVisible());
        QCOMPARE(p.top<QPushButton>("Button3")->text(), QString("Küldés az QORIX-be"));
    }

    void exitLeavesTheEndCode() {
        Program p;
        QVERIFY(p.start());
        p.click(p.top<QPushButton>("Button4"));
        QCOMPARE(p.exchangeFile("adatcsere.txt"), QByteArray("E"));
        QVERIFY(!p.window.isVisible());
    }

    void aboutWindowShowsItsPanelAndSwitchesSize() {
        Program p;
        QVERIFY(p.start());
        // the main window at its final size and place (it grows once its pages are made)
        QTRY_COMPARE(p.window.pagesMade(), 10);
        QTest::qWait(50);
        QVERIFY(!p.about.isVisible());
        p.click(p.top<QPushButton>("Button1"));
        QVERIFY(p.about.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&p.about));
        QVERIFY(!p.about.isModal());
        QCOMPARE(p.about.windowTitle(), QString("About"));
        auto* version = p.about.findChild<QLabel*>("Label2");
        QCOMPARE(version->text(), QString("1.x.x.x  beta"));
        QVERIFY(!p.about.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
        auto* ok = p.about.findChild<QPushButton*>("OKButton");
        auto* listing = p.about.findChild<QPushButton*>("Button2");
        QCOMPARE(ok->text(), QString("OK"));
        QCOMPARE(p.about.findChild<QPushButton*>("Button1")->text(), QString("MDI"));
        QVERIFY(p.aboutSized(QSize(287, 356)));
        QVERIFY(!listing->isVisible());
        // over the middle of the main window, and it stays there when it grows
        auto offCentre = [&p] {
            return (p.about.frameGeometry().center() - p.window.frameGeometry().center())
                .manhattanLength();
        };
        QVERIFY2(offCentre() <= 4, "the About window does not stand over the main window");
        QTest::keyClick(ok, Qt::Key_L);
        QVERIFY(p.aboutSized(QSize(678, 467)));
        QVERIFY2(offCentre() <= 4, "the large About window moved off the middle");
        QVERIFY(listing->isVisible());
        // laid out inside the wide window before it is clicked
        QTRY_VERIFY(p.about.rect().contains(listing->mapTo(&p.about, listing->rect().center())));
        QCOMPARE(listing->text(), QString("Összes változó kiírása"));
        QVERIFY(p.about.findChild<ui::qt::LineBox*>("Memo2")->isVisible());
        // the listing lands in the real log box
        p.click(listing);
        QCOMPARE(p.about.findChild<ui::qt::LineBox*>("Memo2")->toPlainText().section('\n', 0, 0),
                 QString("AboutBox változói"));
        QTest::keyClick(ok, Qt::Key_X);
        QVERIFY(p.aboutSized(QSize(678, 467)));
        QTest::keyClick(ok, Qt::Key_H, Qt::ShiftModifier);
        QVERIFY(p.aboutSized(QSize(287, 356)));
        QVERIFY(!listing->isVisible());
        // grown near the corner of the screen it stays on the screen, title and all
        p.about.move(5, 5);
        QTRY_COMPARE(p.about.pos(), QPoint(5, 5));
        QTest::keyClick(ok, Qt::Key_L);
        QVERIFY(p.aboutSized(QSize(678, 467)));
        const QRect free = p.about.screen()->availableGeometry();
        QVERIFY2(free.contains(p.about.frameGeometry()), "the large About window left the screen");
        QTest::keyClick(ok, Qt::Key_H, Qt::ShiftModifier);
        QVERIFY(p.aboutSized(QSize(287, 356)));
        p.click(ok);
        QVERIFY(!p.about.isVisible());
        QVERIFY(p.window.isVisible());
    }

    void letterInAFieldShowsAMessageAndTheProgramGoesOn() {
        Program p;
        QVERIFY(p.start());
        p.chooseCutCircle();
        auto* x = p.onPage<QLineEdit>("Edit_x_");
        x->selectAll();
        QTest::keyClicks(x, "a");
        QCOMPARE(p.form.page(4).findAs<ui::Edit>("Edit_x_")->text(), std::string("a"));
        p.driver.clearMessages();
        p.create();
        QCOMPARE(p.driver.messages().size(), std::size_t(1));
        QCOMPARE(p.driver.messages()[0].caption, std::string("QORIX varázslók"));
        QCOMPARE(p.driver.messages()[0].text,
                 std::string("„a” nem érvényes szám. (mező: X tengely kezdőpontja)"));
        QVERIFY(p.output().isEmpty());
        // the window goes on: with the field mended the program is written
        x->selectAll();
        QTest::keyClicks(x, "0,0000");
        p.create();
        QCOMPARE(p.output(), goldenLines());
        QVERIFY(p.window.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
