// The dialogs of the desktop program as real windows on the offscreen platform: the hole
// selector's boxes on their circle, a dialog closed by its frame that opens again, and the
// check dialog that works its figures out again each time it becomes the active window.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "desktop/formview.h"
#include "desktop/qtdialogs.h"
#include "link/aboutbox.h"
#include "link/positioncapture.h"
#include "link/sleeper.h"
#include "ui/event.h"
#include "wizards/common/numbertext.h"
#include "wizards/drilling/boltcircle.h"
#include "wizards/drilling/holeselector.h"
#include "wizards/drilling/rectangleholes.h"
#include "wizards/thread/threadcheck.h"
#include "wizards/thread/threadrepair.h"

namespace {

// The pages and dialogs wired as the desktop program wires them, each dialog a window of its
// own made the first time it shows.
struct Program {
    Program() {
        drilling.setHoleSelector(&holes);
        thread.connectDialogs(capture, check);
        store.setVisible(false);
        for (ui::Form* f : {static_cast<ui::Form*>(&capture), static_cast<ui::Form*>(&holes),
                            static_cast<ui::Form*>(&check)})
            ui::qt::openFormWindowWhenShown(*f, dialogs, &owner);
        drilling.startup();
        thread.startup();
    }
    ui::qt::FormView* window(const char* formName) const {
        return owner.findChild<ui::qt::FormView*>(formName);
    }
    // A user event on the models, as a click would run it.
    void run(const std::function<void()>& event) { ui::runEvent(dialogs, event); }
    void chooseHoles(const char* count) {
        drilling.Edit_drc_.setText(count);
        // "Furat kiválasztás" the first time, "Újra választ" after it
        run([&] {
            drilling.RadioGroup1.setItemIndex(drilling.RadioGroup1.itemEnabled(1) ? 1 : 2);
        });
    }
    QList<QCheckBox*> holeBoxes() const {
        return window("HoleSelectorDialog")
            ->findChildren<QCheckBox*>(QString(), Qt::FindDirectChildrenOnly);
    }
    // Tab until the widget of that name has the focus; false if it never comes.
    static bool tabTo(QWidget* window, const char* name) {
        for (int i = 0; i < 40; ++i) {
            QWidget* at = QApplication::focusWidget();
            if (at && at->objectName() == name) return true;
            QTest::keyClick(at ? at : window, Qt::Key_Tab);
        }
        return false;
    }
    // Another window takes the focus, then the dialog gets it back.
    static bool comeBackTo(QWidget* dialog) {
        QWidget other;
        other.show();
        other.activateWindow();
        if (!QTest::qWaitForWindowActive(&other)) return false;
        dialog->activateWindow();
        return QTest::qWaitForWindowActive(dialog);
    }

    QWidget owner;
    ui::RecordingDialogs dialogs;
    qorix::NumberText num{','};
    qorix::RecordingSleeper sleeper;
    qorix::AboutBox store{num, sleeper};
    qorix::Services services{dialogs, num, &store, &store};
    qorix::CapturedPosition captured;  // where the thread page takes an accepted position
    qorix::BoltCirclePage drilling{services};
    qorix::ThreadRepairPage thread{services};
    qorix::PositionCaptureDialog capture{services};
    qorix::HoleSelectorDialog holes{services, drilling.holeChoice()};
    qorix::ThreadCheckDialog check{services};
};

}  // namespace

class DialogWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void holeSelectorShowsEveryHoleWhereItLies() {
        Program p;
        QVERIFY(!p.window("HoleSelectorDialog"));  // not made before it is needed
        p.chooseHoles("5");
        ui::qt::FormView* w = p.window("HoleSelectorDialog");
        QVERIFY(w);
        QVERIFY(w->isWindow());
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QString("Furat kiválasztó"));
        QVERIFY(w->width() >= 584 && w->height() >= 561);
        QCOMPARE(w->findChild<QPushButton*>("Button1")->text(), QString("Újra olvas"));
        QCOMPARE(w->findChild<QPushButton*>("Button1")->geometry().topLeft(), QPoint(432, 8));
        QList<QCheckBox*> boxes = p.holeBoxes();
        QCOMPARE(boxes.size(), 5);
        auto* first = w->findChild<QCheckBox*>("CheckBox1");
        QCOMPARE(first->text(), QString("X3,0902 Y9,5106"));
        QCOMPARE(w->findChild<QCheckBox*>("CheckBox5")->geometry().topLeft(), QPoint(480, 280));
        for (QCheckBox* b : boxes) {
            QVERIFY(b->isChecked());
            QVERIFY(b->isVisible());
            QVERIFY2(w->rect().contains(b->geometry()), "a box runs past the window");
        }

        // holes 2 and 4 left out by clicks on their boxes, then "Adat rendben"
        QTest::mouseClick(w->findChild<QCheckBox*>("CheckBox2"), Qt::LeftButton);
        QTest::mouseClick(w->findChild<QCheckBox*>("CheckBox4"), Qt::LeftButton);
        QTest::mouseClick(w->findChild<QPushButton*>("Button2"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QCOMPARE(p.drilling.values().drillFlags[1], true);
        QCOMPARE(p.drilling.values().drillFlags[2], false);
        QCOMPARE(p.drilling.values().drillFlags[4], false);
        QCOMPARE(p.drilling.values().drillFlags[5], true);

        // 13 holes: numbered boxes, and none of the five before is left over
        p.chooseHoles("13");
        QVERIFY(w->isVisible());
        boxes = p.holeBoxes();
        QCOMPARE(boxes.size(), 13);
        QCOMPARE(w->findChild<QCheckBox*>("CheckBox13")->text(), QString("13."));
    }

    void sixtyHolesEachTellTheirNumberAndAllOrNoneAreTickedAtOnce() {
        Program p;
        p.chooseHoles("60");
        ui::qt::FormView* w = p.window("HoleSelectorDialog");
        QList<QCheckBox*> boxes = p.holeBoxes();
        QCOMPARE(boxes.size(), 60);
        for (int i = 1; i <= 60; ++i) {
            auto* box = w->findChild<QCheckBox*>(QString("CheckBox%1").arg(i));
            QVERIFY(box->text().isEmpty());
            QCOMPARE(box->toolTip(), QString("%1. furat").arg(i));
        }
        auto* all = w->findChild<QPushButton*>("Button3");
        auto* none = w->findChild<QPushButton*>("Button4");
        QCOMPARE(all->text(), QString("Mind"));
        QCOMPARE(none->text(), QString("Egyik sem"));
        for (QPushButton* b : {all, none})
            for (QCheckBox* box : boxes)
                QVERIFY2(!b->geometry().intersects(box->geometry()), "a box runs under a button");
        QTest::mouseClick(none, Qt::LeftButton);
        for (QCheckBox* box : boxes) QVERIFY(!box->isChecked());
        QTest::mouseClick(w->findChild<QCheckBox*>("CheckBox7"), Qt::LeftButton);
        QTest::mouseClick(w->findChild<QPushButton*>("Button2"), Qt::LeftButton);
        for (int i = 1; i <= 60; ++i) QCOMPARE(p.drilling.values().drillFlags[i], i == 7);
        p.chooseHoles("60");
        QTest::mouseClick(none, Qt::LeftButton);
        QTest::mouseClick(all, Qt::LeftButton);
        for (QCheckBox* box : p.holeBoxes()) QVERIFY(box->isChecked());
    }

    // The rectangle pattern's selector worked by keyboard alone: Tab to a box, Space clears
    // it, Tab on to "Adat rendben" and Space confirms; the program leaves those holes out.
    void rectangleSelectorByKeyboard() {
        Program p;
        qorix::RectangleHolesPage page{p.services};
        qorix::HoleSelectorDialog selector{p.services, page.holeChoice()};
        page.setHoleSelector(&selector);
        ui::qt::openFormWindowWhenShown(selector, p.dialogs, &p.owner);
        page.startup();
        page.RadioGroup_mt_.setItemIndex(1);  // the 4 x 3 grid, numbered row by row
        p.run([&] { page.RadioGroup1.setItemIndex(1); });
        ui::qt::FormView* w = p.window("HoleSelectorDialog");
        QVERIFY(w && QTest::qWaitForWindowActive(w));
        QCOMPARE(p.holeBoxes().size(), 12);
        QCOMPARE(w->findChild<QCheckBox*>("CheckBox5")->text(), QString("X0,0000 Y15,0000"));
        for (const char* hole : {"CheckBox5", "CheckBox12"}) {
            QVERIFY2(Program::tabTo(w, hole), hole);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QVERIFY(!w->findChild<QCheckBox*>(hole)->isChecked());
        }
        QVERIFY(Program::tabTo(w, "Button2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!w->isVisible());
        p.run([&] { page.Button1.click(); });
        const auto& lines = page.Memo1.lines();
        // row 2 is drilled back from its far end: hole 8 first, hole 5 (X0 Y15) left out
        auto at = std::find(lines.begin(), lines.end(), "X60,0000 Y15,0000");
        QVERIFY(at != lines.end() && at[-1] == "X60,0000 Y0,0000");
        QCOMPARE(at[2], std::string("X20,0000 Y15,0000"));
        QCOMPARE(at[3], std::string("X0,0000 Y30,0000"));
        QCOMPARE(std::count(lines.begin(), lines.end(), "X60,0000 Y30,0000"), 0);
    }

    void checkDialogStandsAsItsFormSays() {
        Program p;
        p.thread.Edit_Xpos_.setText("12,5");
        p.thread.Edit_Zpos_.setText("-3");
        p.run([&] { p.thread.Button4.click(); });
        ui::qt::FormView* w = p.window("ThreadCheckDialog");
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY(w->width() >= 635 && w->height() >= 198);
        auto at = [&](const char* name) { return w->findChild<QWidget*>(name)->geometry(); };
        QList<QLabel*> labels = w->findChildren<QLabel*>();
        QVERIFY(labels.size() >= 16);
        for (QLabel* a : labels)
            for (QLabel* b : labels)
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " overlaps " + b->objectName()));
        // "Eltérések:" top, right of the middle, its three lines under it, each named
        QVERIFY(at("Label11").left() > w->width() / 2 - 40 && at("Label11").top() < 20);
        QCOMPARE(w->findChild<QLabel*>("Label5.caption")->text(), QString("X:"));
        QCOMPARE(w->findChild<QLabel*>("Label7.caption")->text(), QString("Y:"));
        QCOMPARE(w->findChild<QLabel*>("Label8.caption")->text(), QString("Menetszám:"));
        for (const char* line : {"Label5", "Label7", "Label8"}) {
            const QString caption = QString(line) + ".caption";
            QCOMPARE(at(line).top(), at(caption.toLatin1()).top());
            QVERIFY(at(line).left() > at(caption.toLatin1()).left());
            QVERIFY(at(line).top() > at("Label11").top());
        }
        QCOMPARE(w->findChild<QLabel*>("Label5")->text(), QString("0,0000 mm"));
        // Label17 on the line of Label4, right of it; the start positions below on the left
        QCOMPARE(at("Label17").top(), at("Label4").top());
        QVERIFY(at("Label17").left() > at("Label4").right());
        QVERIFY(at("Label12").top() > at("Label4").bottom() && at("Label12").left() < 20);
        // the buttons top right, "Újra beállítás" under "Adatok rendben"
        for (QLabel* l : labels) QVERIFY(at("Button1").left() > l->geometry().left());
        QVERIFY(at("Button1").top() < 20);
        QVERIFY(at("Button2").top() > at("Button1").bottom() - 1);
        QCOMPARE(at("Button2").left(), at("Button1").left());
    }

    void aDialogFirstShowsOverTheMiddleOfItsOwner() {
        Program p;
        // in the middle of the screen: the taller selector has room above and below it,
        // title bar and all
        QRect place(0, 0, 700, 500);
        place.moveCenter(p.owner.screen()->availableGeometry().center());
        p.owner.setGeometry(place);
        p.owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.owner));
        p.chooseHoles("5");
        ui::qt::FormView* w = p.window("HoleSelectorDialog");
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QPoint off = w->frameGeometry().center() - p.owner.frameGeometry().center();
        QVERIFY2(off.manhattanLength() <= 4, "the selector does not stand over the window");
    }

    void holeSelectorKeepsClearedBoxesWhenTheUserComesBack() {
        Program p;
        p.chooseHoles("5");
        ui::qt::FormView* w = p.window("HoleSelectorDialog");
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::mouseClick(w->findChild<QCheckBox*>("CheckBox3"), Qt::LeftButton);
        QVERIFY(Program::comeBackTo(w));
        QTest::qWait(20);  // the activation's work runs just after it
        QVERIFY(!w->findChild<QCheckBox*>("CheckBox3")->isChecked());
        QTest::mouseClick(w->findChild<QPushButton*>("Button2"), Qt::LeftButton);
        QCOMPARE(p.drilling.values().drillFlags[3], false);
    }

    void dialogsClosedByTheirFrameOpenAgain() {
        Program p;
        p.run([&] { p.thread.Button4.click(); });  // "Ellenőrzés"
        ui::qt::FormView* checkWindow = p.window("ThreadCheckDialog");
        QVERIFY(checkWindow && checkWindow->isVisible());
        QVERIFY(checkWindow->close());
        QVERIFY(!p.check.visible());
        p.run([&] { p.thread.Button4.click(); });
        QVERIFY(checkWindow->isVisible());
        QCOMPARE(p.window("ThreadCheckDialog"), checkWindow);  // the same window, not a second one

        p.store.standalone = 1;  // no request to a machine that is not there
        p.run([&] { p.capture.showForCapture(p.captured); });
        ui::qt::FormView* captureWindow = p.window("PositionCaptureDialog");
        QVERIFY(captureWindow && captureWindow->isVisible());
        QVERIFY(captureWindow->close());
        QVERIFY(!p.capture.visible());
        QVERIFY(!p.captured.accepted);  // closing takes nothing over
        p.run([&] { p.capture.showForCapture(p.captured); });
        QVERIFY(captureWindow->isVisible());

        p.chooseHoles("5");
        ui::qt::FormView* holesWindow = p.window("HoleSelectorDialog");
        QVERIFY(holesWindow->close());
        p.chooseHoles("6");
        QVERIFY(holesWindow->isVisible());
        QCOMPARE(p.holeBoxes().size(), 6);
    }

    void checkDialogCountsACorrectionMadeWhileItWasOpen() {
        Program p;
        p.thread.Edit_Xpos_.setText("12,5");
        p.thread.Edit_Zpos_.setText("-3");
        p.run([&] { p.thread.Button4.click(); });
        ui::qt::FormView* w = p.window("ThreadCheckDialog");
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(w->findChild<QLabel*>("Label9")->text(), QString("X14,0000"));
        // two steps of the depth correction on the page, then back to the dialog
        p.run([&] { p.thread.ScrollBar1.setPosition(502); });
        QVERIFY(Program::comeBackTo(w));
        QTRY_COMPARE(w->findChild<QLabel*>("Label9")->text(), QString("X13,9960"));
        QCOMPARE(p.thread.values().startX, 13.996L);
    }
};

QTEST_MAIN(DialogWindowsTest)
#include "dialogwindows_test.moc"
