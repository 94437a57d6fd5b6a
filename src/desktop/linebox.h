// The output box: a text box over a memo's own lines. It keeps no copy of the text: it draws
// the lines in view straight from the model and changes the model's lines in place as the
// user types, so that showing a program of a million lines costs what showing forty does,
// and what is typed is at once what the page saves and sends.
#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <memory>
#include <string>
#include <vector>

#include "desktop/linesearch.h"
#include "ui/controls.h"

class QLineEdit;

namespace ui::qt {

class FindBar;

class LineBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LineBox(Memo& model, QWidget* parent = nullptr);
    ~LineBox() override;

    // The lines shown: those of the model, and one empty line when it has none.
    int lineCount() const;
    QString lineText(int line) const;
    QString toPlainText() const;  // the whole text, lines joined by '\n'

    TextPos cursorPosition() const { return cursor_; }
    // Moves the cursor; with keepAnchor the selection runs from where it was anchored.
    void setCursorPosition(TextPos pos, bool keepAnchor = false);
    bool hasSelection() const { return anchor_ != cursor_; }
    QString selectedText() const;
    // Selects the whole lines first .. last and brings them into view.
    void selectLines(int first, int last);
    // Brings the line into view, in the middle when it lies out of view.
    void scrollToLine(int line);
    int firstVisibleLine() const;
    int visibleLineCount() const;  // whole lines that fit the box

    // Selects the next place of the text from the cursor on (or the last one before the
    // selection, backwards), going round the end; false when the text is nowhere.
    bool find(const QString& text, bool backwards = false);
    // Shows the find field under the text and puts the focus in it (Ctrl+F does it too).
    void showFind();
    QLineEdit* findField() const;

public slots:
    void copy();
    void cut();
    void paste();
    void selectAll();
    void undo();
    void redo();

signals:
    // The line of the cursor changed: a click, a key, a find or selectLines.
    void currentLineChanged(int line);
    // The text changed: typed, pasted or deleted here, or replaced by the page.
    void textChanged();

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // One edit, kept to be undone: the lines from `first` on that it put in place of `lines`.
    struct Change {
        int first = 0;
        int remove = 0;                  // lines taken out from `first` on
        std::vector<std::string> lines;  // put in their place
        TextPos before, after;           // the cursor before and after the edit
        bool typing = false;             // a key typed into one line: the next key joins it
    };

    // view (linebox.cpp)
    void modelChanged();
    void noteShown();
    int lineHeight() const;
    int textLeft() const;
    int xOf(TextPos pos) const;
    TextPos posAt(QPoint point) const;
    int columnAt(int line, int x) const;  // x from the text's left edge
    TextPos clamp(TextPos pos) const;
    void updateScrollBars();
    void measureWidest();
    void ensureCursorVisible();
    void restartBlink();
    void drawLine(QPainter& p, int line, int top);
    // A line of thousands of characters: measured by its length, drawn only where in view.
    bool isLong(int line) const;
    int charWidth() const;
    void drawLongLine(QPainter& p, int line, int top);
    void dragScroll();
    TextPos selectionStart() const { return std::min(anchor_, cursor_); }
    TextPos selectionEnd() const { return std::max(anchor_, cursor_); }

    // editing (lineboxedit.cpp)
    bool moveKey(QKeyEvent* e);
    bool editKey(QKeyEvent* e);
    static bool handles(QKeyEvent* e);
    TextPos moved(TextPos pos, QKeyEvent* e, bool& known) const;
    TextPos wordEdge(TextPos pos, int step) const;
    // Where a move by a character, a word or some lines takes pos; step and lines count back
    // when negative. The first two pass a line's end to the next line.
    TextPos charMoved(TextPos pos, int step) const;
    TextPos wordMoved(TextPos pos, int step) const;
    TextPos linesMoved(TextPos pos, int lines) const;
    // The end of the line before pos's; pos itself on the first line.
    TextPos previousLineEnd(TextPos pos) const;
    void insertText(const QString& text);
    void removeSelection();
    void removeAt(bool forward);
    void replace(TextPos from, TextPos to, const QString& text, bool typing);
    void apply(Change change, std::vector<Change>& undoTo);
    void findAgain(bool backwards);
    bool findFrom(const QString& text, TextPos from, bool backwards);
    void placeFindBar();
    friend class FindBar;

    Memo& model_;
    TextPos cursor_, anchor_;
    int preferredX_ = -1;   // the column a move up or down keeps to
    bool editing_ = false;  // the model's change is the box's own edit
    bool cursorShown_ = true;
    bool dragging_ = false;
    int widest_ = 0;  // widest line in pixels, as far as measured
    std::size_t shownCount_ = 0;
    std::string shownLast_;  // the last line, to tell lines added after it
    std::vector<Change> undo_, redo_;
    QBasicTimer blink_, drag_;
    QPoint dragAt_;
    QString lastFind_;
    FindBar* findBar_ = nullptr;
};

}  // namespace ui::qt
