// The output box as a user meets it in a long program, through the real main window on the
// offscreen platform: what is typed, pasted and deleted is what "Mentés" writes, byte for
// byte; a find reaches the last line; a selection copies exactly the text it covers.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/mainwindowlogic.h"
#include "desktop/linebox.h"
#include "desktop/mainwindow.h"
#include "desktop/qtdialogs.h"
#include "link/session.h"
#include "link/textfile.h"
#include "modaldriver.h"
#include "ui/event.h"
#include "wizards/common/numbertext.h"

namespace {

using Lines = std::vector<std::string>;
using ui::qt::TextPos;

constexpr int kLines = 100000;

// A long program of lines that differ, with accented comments among them.
Lines longProgram() {
    Lines lines;
    for (int i = 0; i < kLines; ++i)
        lines.push_back(i % 10 == 0 ? "(" + std::to_string(i) + ". mélységi ciklus)"
                                    : "G1 X" + std::to_string(i) + ",5000 Y-" +
                                          std::to_string(i % 97) + ",2500 F150");
    return lines;
}

// Letters beyond ASCII as a keyboard types them (QTest's own key clicks take ASCII only).
void type(QWidget* w, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray savedBytes(const Lines& lines) {
    QByteArray bytes;
    for (const auto& line : lines)
        bytes += QByteArray::fromStdString(qorix::textfile::toCp1250(line)) + "\r\n";
    return bytes;
}

QString joined(const Lines& lines, std::size_t first, std::size_t last) {
    std::string text;
    for (std::size_t i = first; i <= last; ++i) text += lines[i] + (i < last ? "\n" : "");
    return QString::fromStdString(text);
}

// The main window on the cut circle page, standalone, its box holding a long program.
struct Program {
    Program() { dialogs.setParentWindow(&window); }
    bool start() {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) return false;
        if (!QTest::qWaitFor([this] { return !driver.messages().empty(); }, 10000)) return false;
        QTest::mouseClick(window.findChild<QCheckBox*>("CheckBox1"), Qt::LeftButton);
        auto* list = window.findChild<QComboBox*>("ComboBox1");
        list->setFocus();
        for (int i = 0; i < 4; ++i) QTest::keyClick(list, Qt::Key_Down);
        box = window.pageView(4)->widget<ui::qt::LineBox>("Memo1");
        ui::runEvent(dialogs, [this] { memo().setLines(longProgram()); });
        // the warning's box has gone: the window takes the keys again
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) return false;
        box->setFocus();
        return box->hasFocus() && box->isVisible() && box->lineCount() == kLines;
    }
    ui::Memo& memo() { return form.page(4).Memo1; }
    void key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(box, Qt::Key(key), modifiers);
    }
    QByteArray save() {
        const QString chosen = saves.path() + "/hosszú.tap";
        driver.chooseFile(chosen.toStdString());
        QTest::mouseClick(window.findChild<QPushButton*>("Button3"), Qt::LeftButton);
        return bytesOf(chosen);
    }
    // The middle of a row of the box, at its left edge or far past its text.
    QPoint row(int line, bool end = false) const {
        const int height = box->fontMetrics().lineSpacing();
        return {end ? box->viewport()->width() - 2 : 1,
                (line - box->firstVisibleLine()) * height + height / 2};
    }

    QTemporaryDir install, saves;
    qorix::test::ModalDriver driver;
    ui::qt::QtDialogs dialogs;
    qorix::NumberText num{','};
    qorix::Session shared;
    qorix::Services services{dialogs, num, nullptr, &shared};
    qorix::MainWindowLogic form{services, install.path().toStdString()};
    ui::qt::MainWindow window{form, dialogs};
    ui::qt::LineBox* box = nullptr;
};

}  // namespace

class OutputBoxTest : public QObject {
    Q_OBJECT

private slots:
    // Each edit is made by keys on the real box; the same edit on the lines gives the file
    // "Mentés" must write.
    void typingPastingAndDeletingInALongProgramAreSavedExactly() {
        Program p;
        QVERIFY(p.start());
        Lines expected = longProgram();
        // typed at the end of the fourth line, accents included
        p.key(Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < 3; ++i) p.key(Qt::Key_Down);
        p.key(Qt::Key_End);
        type(p.box, " (kézi)");
        expected[3] += " (kézi)";
        // three lines pasted into the middle of a line far down, with CR LF line ends
        p.box->setCursorPosition({60000, 2});
        QApplication::clipboard()->setText("AB\r\nCD\nEF");
        p.key(Qt::Key_V, Qt::ControlModifier);
        const std::string rest = expected[60000].substr(2);
        expected[60000] = expected[60000].substr(0, 2) + "AB";
        expected.insert(expected.begin() + 60001, {"CD", "EF" + rest});
        QCOMPARE(p.box->cursorPosition(), (TextPos{60002, 2}));
        // three whole lines selected with the keys and deleted
        p.box->setCursorPosition({70000, 0});
        for (int i = 0; i < 3; ++i) p.key(Qt::Key_Down, Qt::ShiftModifier);
        p.key(Qt::Key_Delete);
        expected.erase(expected.begin() + 70000, expected.begin() + 70003);
        // a backspace at the start of a line joins it to the one before
        p.box->setCursorPosition({80000, 0});
        p.key(Qt::Key_Backspace);
        expected[79999] += expected[80000];
        expected.erase(expected.begin() + 80000);
        // a new last line
        p.key(Qt::Key_End, Qt::ControlModifier);
        p.key(Qt::Key_Return);
        QTest::keyClicks(p.box, "M30");
        expected.push_back("M30");

        QCOMPARE(p.memo().lines().size(), expected.size());
        QVERIFY(p.memo().lines() == expected);
        const QByteArray saved = p.save();
        QCOMPARE(saved.size(), savedBytes(expected).size());
        QVERIFY(saved == savedBytes(expected));
    }

    // Undo takes the edits back one by one, a typed word as one step; redo makes them again.
    void undoAndRedoGiveBackTheLinesExactly() {
        Program p;
        QVERIFY(p.start());
        const Lines original = longProgram();
        p.box->setCursorPosition({500, 4});
        QTest::keyClicks(p.box, "777");
        p.box->setCursorPosition({900, 0});
        for (int i = 0; i < 50; ++i) p.key(Qt::Key_Down, Qt::ShiftModifier);
        p.key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(p.memo().lines().size(), original.size() - 50);
        QCOMPARE(QApplication::clipboard()->text(), joined(original, 900, 949) + "\n");
        p.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(p.memo().lines().size(), original.size());
        QCOMPARE(QString::fromStdString(p.memo().lines()[500]),
                 QString::fromStdString(original[500]).insert(4, "777"));
        p.key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(p.memo().lines() == original);
        QCOMPARE(p.box->cursorPosition(), (TextPos{500, 4}));
        p.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        p.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(p.memo().lines().size(), original.size() - 50);
        QCOMPARE(QString::fromStdString(p.memo().lines()[900]),
                 QString::fromStdString(original[950]));
        // a program put in its place (a create run, an opened file) comes back by one undo,
        // whole, and the edits before it stay behind
        const Lines edited = p.memo().lines();
        ui::runEvent(p.dialogs, [&] { p.memo().setLines({"G0 Z5,0000"}); });
        p.key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(p.memo().lines() == edited);
        p.key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(p.memo().lines() == edited);
        p.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(p.memo().lines() == Lines{"G0 Z5,0000"});
    }

    // "Törlés" emptied the box for good; the keys that undo in the box undo it also from the
    // button just pressed.
    void aClearedProgramComesBackByOneUndo() {
        Program p;
        QVERIFY(p.start());
        auto* clear = p.window.pageView(4)->widget<QPushButton>("Button2");
        QTest::mouseClick(clear, Qt::LeftButton);
        QVERIFY(p.memo().lines().empty());
        QTest::keyClick(clear, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(p.memo().lines() == longProgram());
    }

    void aFindReachesTheLastLine() {
        Program p;
        QVERIFY(p.start());
        ui::runEvent(p.dialogs, [&] { p.memo().add("(Vége)"); });
        const int last = kLines;
        p.key(Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(p.box->firstVisibleLine(), 0);
        p.key(Qt::Key_F, Qt::ControlModifier);
        QLineEdit* field = p.box->findField();
        QVERIFY(field->isVisible());
        QVERIFY(field->hasFocus());
        // case is ignored, accented letters too
        type(field, "VÉGE");
        QCOMPARE(p.box->cursorPosition(), (TextPos{last, 5}));
        QCOMPARE(p.box->selectedText(), QString("Vége"));
        QVERIFY(p.box->firstVisibleLine() <= last);
        QVERIFY(last < p.box->firstVisibleLine() + p.box->visibleLineCount());
        // Enter goes on round the end to the first place from the top
        field->clear();
        QTest::keyClicks(field, "5000 y-1,");  // lines 1, 98, 195 ... 99911
        QCOMPARE(p.box->cursorPosition().line, 1);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(p.box->cursorPosition().line, 98);
        QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(p.box->cursorPosition().line, 1);
        QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);  // backwards round the top
        QCOMPARE(p.box->cursorPosition().line, 99911);
        QCOMPARE(p.box->selectedText(), QString("5000 Y-1,"));
        // a text found nowhere leaves the selection where it was
        field->clear();
        QTest::keyClicks(field, "Q9");
        QCOMPARE(p.box->cursorPosition().line, 99911);
        // Escape gives the box back, and F3 finds the last text again from the top
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!field->isVisible());
        QVERIFY(p.box->hasFocus());
        p.box->findField()->setText("(vége)");
        QVERIFY(p.box->find("(vége)"));
        p.key(Qt::Key_Home, Qt::ControlModifier);
        p.key(Qt::Key_F3);
        QCOMPARE(p.box->cursorPosition(), (TextPos{last, 6}));
        QVERIFY(!p.box->find("nincs ilyen"));
    }

    void selectionAndCopyOfARangeOfLinesAreExact() {
        Program p;
        QVERIFY(p.start());
        const Lines lines = longProgram();
        // by the keys, from the middle of a line to the end of the fifth after it
        p.box->setCursorPosition({41230, 2});
        for (int i = 0; i < 5; ++i) p.key(Qt::Key_Down, Qt::ShiftModifier);
        p.key(Qt::Key_End, Qt::ShiftModifier);
        p.key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(lines[41230].substr(2)) +
                                                        "\n" + joined(lines, 41231, 41235));
        // by the mouse, dragged from the left edge of a row to past the end of the fourth after it
        const int first = p.box->firstVisibleLine() + 1;
        QTest::mousePress(p.box->viewport(), Qt::LeftButton, {}, p.row(first));
        QMouseEvent drag(QEvent::MouseMove, p.row(first + 4, true),
                         p.box->viewport()->mapToGlobal(p.row(first + 4, true)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(p.box->viewport(), &drag);
        QTest::mouseRelease(p.box->viewport(), Qt::LeftButton, {}, p.row(first + 4, true));
        QCOMPARE(p.box->selectedText(), joined(lines, std::size_t(first), std::size_t(first + 4)));
        // whole lines chosen from outside (a click in a toolpath), then the whole program
        p.box->selectLines(99990, 99999);
        p.key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), joined(lines, 99990, 99999));
        QVERIFY(p.box->firstVisibleLine() <= 99990);
        // a range taller than the box (a low screen) shows its start
        const int tall = p.box->height();
        p.box->setFixedHeight(p.box->height() - p.box->viewport()->height() + 100);
        QTRY_VERIFY(p.box->visibleLineCount() < 8);
        p.box->selectLines(50000, 50020);
        QVERIFY(p.box->firstVisibleLine() <= 50000);
        QVERIFY(p.box->firstVisibleLine() + p.box->visibleLineCount() > 50000);
        p.box->setFixedHeight(tall);
        p.key(Qt::Key_A, Qt::ControlModifier);
        p.key(Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QApplication::clipboard()->text() == joined(lines, 0, lines.size() - 1));
        QVERIFY(p.memo().lines() == lines);  // copying changed nothing
    }

    // A click on a line tells which line is current (a toolpath view follows it); Tab leaves
    // the box for the next control and types nothing.
    void theCurrentLineIsToldAndTabLeavesTheBox() {
        Program p;
        QVERIFY(p.start());
        QSignalSpy current(p.box, &ui::qt::LineBox::currentLineChanged);
        p.box->scrollToLine(5000);
        const int line = p.box->firstVisibleLine() + 3;
        QTest::mouseClick(p.box->viewport(), Qt::LeftButton, {}, p.row(line));
        QCOMPARE(current.size(), 1);
        QCOMPARE(current.takeFirst().at(0).toInt(), line);
        QCOMPARE(p.box->cursorPosition(), (TextPos{line, 0}));
        p.box->selectLines(77, 77);
        QCOMPARE(current.takeFirst().at(0).toInt(), 77);
        QVERIFY(p.box->firstVisibleLine() <= 77 &&
                77 < p.box->firstVisibleLine() + p.box->visibleLineCount());
        p.key(Qt::Key_Tab);
        QVERIFY(!p.box->hasFocus());
        QVERIFY(p.memo().lines() == longProgram());
    }

    // An empty box shows one empty line; typing into it makes the program, and deleting
    // every letter leaves no line at all, as an empty page.
    void anEmptyBoxTakesTypingAndEmptiesAgain() {
        Program p;
        QVERIFY(p.start());
        ui::runEvent(p.dialogs, [&] { p.memo().clear(); });
        QCOMPARE(p.box->lineCount(), 1);
        QTest::keyClicks(p.box, "G0");
        p.key(Qt::Key_Return);
        QTest::keyClicks(p.box, "M30");
        QVERIFY(p.memo().lines() == (Lines{"G0", "M30"}));
        p.key(Qt::Key_A, Qt::ControlModifier);
        p.key(Qt::Key_Backspace);
        QVERIFY(p.memo().lines().empty());
        p.key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(p.memo().lines() == (Lines{"G0", "M30"}));
    }
};

QTEST_MAIN(OutputBoxTest)
#include "outputbox_test.moc"
