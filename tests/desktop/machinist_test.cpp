// The desktop program as a machinist uses it, through the real widgets on the offscreen
// platform: the keyboard alone from the wizard list to a sent program, the output box that
// Tab leaves, dialogs that belong to the window they came from, boxes as wide as their
// captions, sending only what is a program, and closing the window as "Exit" does.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWindow>

#include "desktop/linebox.h"
#include "desktopprogram.h"

namespace {

using qorix::test::bytesOf;
using qorix::test::goldenProgramBytes;
using qorix::test::nativePath;
using qorix::test::Program;

QWidget* focused() { return QApplication::focusWidget(); }

// The window has the keyboard once the start-up warning is answered.
bool keyboardOn(Program& p) {
    if (!p.start()) return false;
    p.window.activateWindow();
    return QTest::qWaitForWindowActive(&p.window);
}

// Tab until the focus is on the widget named so, noting every widget on the way; gives up
// after a round through the whole window.
QList<QWidget*> tabTo(const QString& name, int limit = 80) {
    QList<QWidget*> seen;
    for (int i = 0; i < limit && focused() && focused()->objectName() != name; ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        seen << focused();
    }
    return seen;
}

const std::string kEmpty = qorix::mainwindow::kEmptyOutput;

// How many pixels of a colour lie within a square around a point of a page's picture.
int pixelsNear(const QImage& image, QPoint at, int half, const std::function<bool(QColor)>& is) {
    int n = 0;
    for (int y = at.y() - half; y <= at.y() + half; ++y)
        for (int x = at.x() - half; x <= at.x() + half; ++x)
            if (image.valid(x, y) && is(image.pixelColor(x, y))) ++n;
    return n;
}

// One notch of the wheel, down, over the middle of a widget.
void wheelDown(QWidget* w) {
    const QPointF at = QRectF(w->rect()).center();
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&e);  // as the mouse sends it: only such a wheel goes on
    QApplication::sendEvent(w, &e);         // to the parents when the widget does not take it
}

template <class W>
W* enclosing(QWidget* w) {
    while (w && !qobject_cast<W*>(w)) w = w->parentWidget();
    return static_cast<W*>(w);
}

bool navy(QColor c) { return c.red() < 90 && c.green() < 100 && c.blue() > 60 && c.blue() < 150; }
bool red(QColor c) { return c.red() > 150 && c.green() < 100 && c.blue() < 100; }

}  // namespace

class MachinistTest : public QObject {
    Q_OBJECT

private slots:
    void keyboardAloneFromTheListThroughTheCutCircleToASentProgram() {
        Program p;
        QVERIFY(keyboardOn(p));
        auto* list = p.top<QComboBox>("ComboBox1");
        list->setFocus();
        QCOMPARE(focused(), list);
        for (int i = 0; i < 4; ++i) QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(p.cutCircle()->isVisible());
        const QList<QWidget*> way = tabTo("Button1");
        QCOMPARE(focused(), p.onPage<QWidget>("Button1"));
        // every field of the page that takes input, top to bottom, before "Létrehozás"
        QList<QLineEdit*> fields;
        for (QWidget* w : way)
            if (auto* f = qobject_cast<QLineEdit*>(w)) fields << f;
        QStringList names;
        for (QLineEdit* f : fields) names << f->objectName();
        QCOMPARE(names,
                 QStringList({"Edit_x_", "Edit_y_", "Edit_z_", "Edit_zsb_", "Edit_m_", "Edit_sz_",
                              "Edit_r_", "Edit_szsz_", "Edit_ff_", "Edit_g1_", "Edit_g23_"}));
        // "Megjegyzésekkel" and the groups come after the fields, as they stand
        QVERIFY(way.indexOf(p.onPage<QWidget>("CheckBox_msg_")) > way.indexOf(fields.last()));
        QVERIFY(way.indexOf(p.onPage<QWidget>("CheckBox_szc_")) > way.indexOf(fields[5]));
        QVERIFY(!way.contains(p.onPage<QWidget>("Memo1")));
        // a new X typed on the way in: the header tells it
        auto* x = p.onPage<QLineEdit>("Edit_x_");
        x->setFocus();
        x->selectAll();
        QTest::keyClicks(x, "12,5");
        tabTo("Button1");
        QTest::keyClick(focused(), Qt::Key_Return);
        QVERIFY(p.output().contains("(kezdőpont X12,5 Y0,0000 Z0,0000)"));
        // on to the send button: through "Törlés" and the output box, then the top bar
        const QList<QWidget*> toSend = tabTo("Button3");
        QCOMPARE(focused(), p.top<QWidget>("Button3"));
        QCOMPARE(toSend.first(), p.onPage<QWidget>("Button2"));
        QVERIFY(toSend.contains(p.onPage<QWidget>("Memo1")));
        const QString chosen = p.saves.path() + "/billentyű";
        p.driver.chooseFile(chosen.toStdString());
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(p.driver.saveDialogs(), 1);
        QVERIFY(bytesOf(chosen + ".tap").contains("(kezd\xF5pont X12,5 Y0,0000 Z0,0000)\r\n"));
        QCOMPARE(p.exchangeFile("adatcsere.txt"), QByteArray("L"));
    }

    void tabAndShiftTabLeaveTheOutputBoxWhichStaysEditable() {
        Program p;
        QVERIFY(keyboardOn(p));
        p.chooseCutCircle();
        p.create();
        auto* box = p.onPage<ui::qt::LineBox>("Memo1");
        const QString program = box->toPlainText();
        box->setFocus();
        for (int i = 0; i < 32; ++i) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Tab);
            QVERIFY(focused() != box);
        }
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), p.onPage<QWidget>("Button2"));  // back to "Törlés"
        QCOMPARE(box->toPlainText(), program);
        QVERIFY(!box->toPlainText().contains('\t'));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(box, " M0");
        QVERIFY(box->toPlainText().endsWith("M30 M0"));
    }

    void enterInAFieldCreatesAndEnterInTheMdiFieldSends() {
        Program p;
        QVERIFY(keyboardOn(p));
        p.chooseCutCircle();
        auto* depth = p.onPage<QLineEdit>("Edit_m_");
        depth->setFocus();
        depth->selectAll();
        QTest::keyClicks(depth, "-3");
        QTest::keyClick(depth, Qt::Key_Return);
        QVERIFY(p.output().contains("(marás mélysége -3)"));
        p.click(p.top<QPushButton>("Button1"));
        QVERIFY(QTest::qWaitForWindowExposed(&p.about));
        auto* command = p.about.findChild<QLineEdit*>("Edit1");
        command->setFocus();
        QTest::keyClicks(command, "G0 X0 Y0");
        QTest::keyClick(command, Qt::Key_Return);
        QCOMPARE(p.exchangeFile("command.txt"), QByteArray("G0 X0 Y0\r\n"));
        QCOMPARE(p.about.findChild<QLabel*>("MdiStatus")->text(),
                 QString("Elküldve a QORIX-nek: G0 X0 Y0"));
    }

    void scrollBarsTakeTheFocusAndFollowTheKeys() {
        Program p;
        QVERIFY(keyboardOn(p));
        struct Bar {
            int page;
            const char* name;
        };
        for (Bar b : {Bar{3, "ScrollBar1"}, Bar{8, "ScrollBar1"}, Bar{8, "ScrollBar2"}}) {
            p.form.ComboBox1.select(b.page - 1);
            ui::qt::FormView* view = p.window.pageView(b.page);
            auto* bar = view->widget<QScrollBar>(b.name);
            QVERIFY(view->focusOrder().contains(bar));
            auto* model = p.form.page(b.page).findAs<ui::ScrollBar>(b.name);
            bar->setFocus();
            QCOMPARE(focused(), bar);
            const int start = model->position();
            QTest::keyClick(bar, Qt::Key_Right);
            QCOMPARE(model->position(), start + 1);
            QTest::keyClick(bar, Qt::Key_Left);
            QTest::keyClick(bar, Qt::Key_Left);
            QCOMPARE(model->position(), start - 1);
            QTest::keyClick(bar, Qt::Key_PageDown);
            QCOMPARE(model->position(), start - 1 + bar->pageStep());
            QTest::keyClick(bar, Qt::Key_PageUp);
            QCOMPARE(model->position(), start - 1);
        }
    }

    // The wheel that meant to scroll the page changed the thread's correction under the mouse.
    void theWheelMovesOnlyAControlWithTheFocusAndOtherwiseThePage() {
        Program p;
        QVERIFY(keyboardOn(p));
        p.form.ComboBox1.select(7);
        p.window.resize(p.window.width(), 420);  // low enough for the page to scroll
        ui::qt::FormView* view = p.window.pageView(8);
        auto* list = p.top<QComboBox>("ComboBox1");
        for (const char* name : {"ScrollBar1", "ScrollBar2"}) {
            auto* bar = view->widget<QScrollBar>(name);
            auto* model = p.form.page(8).findAs<ui::ScrollBar>(name);
            auto* page = enclosing<QScrollArea>(bar)->verticalScrollBar();
            QVERIFY(page->maximum() > 0);
            page->setValue(0);
            list->setFocus();
            const int start = model->position();
            wheelDown(bar);
            QCOMPARE(model->position(), start);
            QVERIFY2(page->value() > 0, name);
            bar->setFocus();
            wheelDown(bar);
            QVERIFY(model->position() != start);
        }
        view->widget<QLineEdit>("Edit_x_")->setFocus();
        wheelDown(list);
        QCOMPARE(list->currentIndex(), 7);
        QCOMPARE(p.form.wizardNumber, 8);
    }

    // Shift+Tab from the wizard list stopped once on the pages' scroll area, which shows nothing.
    void shiftTabStopsOnlyOnControlsThatShow() {
        Program p;
        QVERIFY(keyboardOn(p));
        p.chooseCutCircle();
        p.top<QComboBox>("ComboBox1")->setFocus();
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(focused(), Qt::Key_Backtab);
            QWidget* w = focused();
            QVERIFY(w && w->isVisible());
            QVERIFY2(!qobject_cast<QScrollArea*>(w), qPrintable(w->objectName()));
        }
    }

    void theOutputIsEmptiedBeforeTheChecksShowTheirBoxes() {
        Program p;
        QVERIFY(p.start());
        p.chooseCutCircle();
        p.create();
        QVERIFY(!p.output().isEmpty());
        QStringList behindTheBox{"<no box>"};
        p.driver.onBox = [&](QMessageBox*) { behindTheBox = p.output(); };
        p.binderRun([&] { p.form.page(4).findAs<ui::Edit>("Edit_m_")->setText("0"); });
        p.create();
        QCOMPARE(behindTheBox, QStringList());
        QCOMPARE(p.driver.messages().back().text,
                 std::string("Marás mélyége \"0\", vagy nem adtál meg értéket."));
    }

    void messageBoxesAreWideEnoughForTheirCaptions() {
        Program p;
        QVERIFY(p.start());
        p.chooseCutCircle();
        p.binderRun([&] { p.form.page(4).findAs<ui::Edit>("Edit_sz_")->setText("0"); });
        p.create();
        QCOMPARE(p.driver.messages().back().caption,
                 std::string("Figyelmeztetés rossz paraméterezésről"));
        QVERIFY(!p.driver.boxes.empty());
        for (const auto& box : p.driver.boxes)
            QVERIFY2(box.width >= box.captionWidth + 100,
                     qPrintable(QString("%1 < %2").arg(box.width).arg(box.captionWidth)));
    }

    void emptyOutputIsNeitherSavedNorSent() {
        Program p;
        QVERIFY(p.start());
        // text typed into the list chooses no wizard: the button stays disabled
        auto* list = p.top<QComboBox>("ComboBox1");
        list->setFocus();
        QTest::keyClicks(list->lineEdit(), "L");
        QVERIFY(!p.top<QPushButton>("Button3")->isEnabled());
        p.chooseCutCircle();
        auto* send = p.top<QPushButton>("Button3");
        QVERIFY(send->isEnabled());
        p.driver.clearMessages();
        p.click(send);  // right after the choice
        p.create();
        p.click(p.onPage<QPushButton>("Button2"));  // "Törlés"
        p.click(send);
        QCOMPARE(p.driver.messages(), (std::vector<ui::Message>{{"Figyelmeztetés", kEmpty},
                                                                {"Figyelmeztetés", kEmpty}}));
        QCOMPARE(p.driver.saveDialogs(), 0);
        QVERIFY(QDir(p.exchange()).isEmpty());
        QVERIFY(p.cutCircle()->isVisible());
        QCOMPARE(send->text(), QString("Küldés az QORIX-be"));
    }

    void aChangedFieldAsksBeforeTheOlderProgramGoesOut() {
        Program p;
        QVERIFY(p.start());
        p.chooseCutCircle();
        p.create();
        auto* x = p.onPage<QLineEdit>("Edit_x_");
        x->selectAll();
        QTest::keyClicks(x, "40");
        auto* send = p.top<QPushButton>("Button3");
        p.driver.answer(false);
        p.click(send);
        QCOMPARE(p.driver.questions().size(), std::size_t(1));
        QCOMPARE(p.driver.questions()[0].text, std::string(qorix::mainwindow::kStaleOutput));
        QCOMPARE(p.driver.saveDialogs(), 0);
        QVERIFY(QDir(p.exchange()).isEmpty());
        // yes: the older program is sent as it stands
        const QString chosen = p.saves.path() + "/régi";
        p.driver.answer(true);
        p.driver.chooseFile(chosen.toStdString());
        p.click(send);
        QCOMPARE(bytesOf(chosen + ".tap"), goldenProgramBytes());
        // after a new "Létrehozás" nothing is asked
        p.click(send);  // back to the page
        p.create();
        p.driver.chooseFile(chosen.toStdString());
        p.click(send);
        QCOMPARE(p.driver.questions().size(), std::size_t(3));  // the last: replace the file
        QVERIFY(p.driver.questions()[2].text.find("régi.tap") != std::string::npos);
        QVERIFY(bytesOf(chosen + ".tap").contains("X40"));
    }

    void theStatusLineTellsWhatWasSavedAndSent() {
        Program p;
        QVERIFY(p.start());
        p.chooseCutCircle();
        p.create();
        const QString chosen = p.saves.path() + "/kör";
        p.driver.chooseFile(chosen.toStdString());
        p.click(p.top<QPushButton>("Button3"));
        auto* status = p.top<QLabel>("StatusLine");
        QCOMPARE(status->text(),
                 "Mentve: " + nativePath(chosen) + ".tap – a QORIX betöltésre utasítva.");
        QVERIFY(status->isVisible());
        p.click(p.top<QPushButton>("Button3"));  // back
        QTest::mouseClick(p.top<QCheckBox>("CheckBox1"), Qt::LeftButton);
        p.driver.chooseFile((chosen + "2").toStdString());
        p.click(p.top<QPushButton>("Button3"));
        QCOMPARE(status->text(), "Mentve: " + nativePath(chosen) + "2.tap.");
    }

    void qtsOwnDialogsSpeakHungarianAndAskBeforeReplacingATapFile() {
        QVERIFY(ui::qt::installHungarianQtTexts(*qApp));
        Program p;
        QVERIFY(p.start());
        p.chooseCutCircle();
        QTest::mouseClick(p.top<QCheckBox>("CheckBox1"),
                          Qt::LeftButton);  // standalone: the button saves again and again
        p.create();
        const QString name = p.saves.path() + "/thread1";
        QFile old(name + ".tap");
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        p.driver.chooseFile(name.toStdString());
        p.driver.answer(false);  // do not replace
        p.driver.cancelSave();   // and leave the dialog shown again
        p.click(p.top<QPushButton>("Button3"));
        QCOMPARE(p.driver.saveDialogs(), 2);
        QVERIFY(p.driver.lastDialogButtons.contains("Mégse"));
        QVERIFY(!p.driver.lastDialogButtons.contains("Cancel"));
        QVERIFY(!p.driver.lastDialogTitle.contains("Save"));
        QCOMPARE(p.driver.questions().size(), std::size_t(1));
        QCOMPARE(p.driver.questions()[0].text,
                 QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                     .arg("thread1.tap")
                     .toStdString());
        QVERIFY(p.driver.questions()[0].text.find("already") == std::string::npos);
        QCOMPARE(bytesOf(name + ".tap"), QByteArray("old"));
        p.driver.chooseFile(name.toStdString());
        p.driver.answer(true);
        p.click(p.top<QPushButton>("Button3"));
        QCOMPARE(bytesOf(name + ".tap"), goldenProgramBytes());
    }

    void closingByTheFrameIsExit() {
        Program p;
        QVERIFY(p.start());
        QVERIFY(QDir().rmdir(p.exchange()));
        p.window.close();  // as the frame's close button asks
        QVERIFY(QTest::qWaitFor([&] { return p.driver.messages().size() == 2; }, 5000));
        QVERIFY2(p.window.isVisible(), "a failed end code must keep the window open");
        QVERIFY(QDir().mkpath(p.exchange()));
        p.window.close();
        QVERIFY(QTest::qWaitFor([&] { return !p.window.isVisible(); }, 5000));
        QCOMPARE(p.exchangeFile("adatcsere.txt"), QByteArray("E"));
    }

    void dialogsBelongToTheWindowTheyCameFrom() {
        Program p;
        QVERIFY(p.start());
        ui::Form form("TFormX", "Próba");
        ui::Button button(&form, "Button1", "Gomb");
        ui::qt::FormView* view = ui::qt::openFormWindow(form, p.dialogs, &p.window);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QCOMPARE(view->windowType(), Qt::Dialog);
        QCOMPARE(view->windowHandle()->transientParent(), p.window.windowHandle());
        QVERIFY(!view->isModal());
        // a box opened from a dialog belongs to the dialog: the main window stays behind it
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view));
        button.onClick = [&] { p.dialogs.message("Hiba", "próba"); };
        p.click(view->widget<QPushButton>("Button1"));
        QCOMPARE(p.driver.boxes.back().owner, static_cast<QWidget*>(view));
        p.click(p.top<QPushButton>("Button1"));  // "About"
        QVERIFY(QTest::qWaitForWindowExposed(&p.about));
        QCOMPARE(p.about.windowHandle()->transientParent(), p.window.windowHandle());
        delete view;
    }

    void picturesShowTheNumberedSquaresAndTheStartCorner() {
        Program p;
        auto picture = [&](int page) {
            return p.window.pageView(page)->widget<QLabel>("Image1")->pixmap().toImage();
        };
        const QImage spiral = picture(1);
        QCOMPARE(spiral.size(), QSize(240, 240));
        // the number in the middle of each square: 8, 5, 3, 2 and the two 1s
        const QPoint numbers[] = {{80, 120},  {184, 96},  {200, 160},
                                  {160, 168}, {168, 144}, {152, 144}};
        for (QPoint at : numbers)
            QVERIFY2(pixelsNear(spiral, at, 6, navy) >= 4,
                     qPrintable(QString("no number at %1,%2").arg(at.x()).arg(at.y())));
        QCOMPARE(pixelsNear(spiral, {40, 40}, 10, navy), 0);  // the paper around the squares
        // the start point at the lower-left corner of both rectangles, none at the top left
        struct Corner {
            int page;
            QPoint lowerLeft, upperLeft;
        };
        for (Corner c : {Corner{3, {30, 180}, {30, 60}}, Corner{5, {50, 166}, {50, 66}}}) {
            const QImage image = picture(c.page);
            QVERIFY(pixelsNear(image, c.lowerLeft, 8, red) >= 20);
            QCOMPARE(pixelsNear(image, c.upperLeft, 8, red), 0);
        }
        // the cut rectangle's slot lies on both sides of the tool's path, the bottom edge at
        // y 166, and no further than the tool's radius (14) from it
        const QImage cut = picture(5);
        auto slot = [](QColor c) { return c.red() < 90 && c.green() < 100 && c.blue() < 110; };
        for (int y : {166 - 8, 166 + 8}) QVERIFY(pixelsNear(cut, {118, y}, 2, slot) >= 20);
        for (int y : {166 - 20, 166 + 20}) QCOMPARE(pixelsNear(cut, {118, y}, 2, slot), 0);
    }

    void theOutputBoxWidensWithTheWindow() {
        Program p;
        p.window.setFitToScreen(false);
        QVERIFY(p.start());
        p.chooseCutCircle();
        QApplication::processEvents();
        auto* box = p.onPage<ui::qt::LineBox>("Memo1");
        const int before = box->width();
        // wider than the pages ask for (the test screen is small: they may scroll before)
        const int pages = p.window.findChild<QWidget*>("pages")->minimumWidth();
        p.window.resize(p.window.width() + (pages - before) + 600, p.window.height() + 100);
        QTRY_VERIFY(box->width() >= before + 280);
        QCOMPARE(p.cutCircle()->width(), p.window.findChild<QWidget*>("pages")->width());
        QVERIFY(box->height() > 0);
        // and the window may be made smaller than its pages: they scroll then
        QVERIFY(p.window.minimumSizeHint().height() <
                p.window.findChild<QWidget*>("pages")->minimumHeight());
    }
};

QTEST_MAIN(MachinistTest)
#include "machinist_test.moc"
