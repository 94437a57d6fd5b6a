// The output box's editing: keys, the clipboard, undo, find. Every edit is one replacement
// of a range of the model's lines, so a keystroke costs one line, whatever the program's size.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <algorithm>
#include <array>

#include "desktop/findbar.h"
#include "desktop/linebox.h"

namespace ui::qt {

namespace {

constexpr std::size_t kUndoSteps = 200;

// Pasted text may end its lines in any of the usual ways.
QStringList pieces(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return t.split(QLatin1Char('\n'));
}

enum class Move { Char, Word, LineEdge, Line, Page, Document };

struct MoveKey {
    QKeySequence::StandardKey move, select;
    Move kind;
    int step;
};

constexpr std::array<MoveKey, 12> kMoveKeys{{
    {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Move::Char, 1},
    {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Move::Char, -1},
    {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Move::Word, 1},
    {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Move::Word, -1},
    {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Move::LineEdge, 1},
    {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Move::LineEdge, -1},
    {QKeySequence::MoveToEndOfBlock, QKeySequence::SelectEndOfBlock, Move::LineEdge, 1},
    {QKeySequence::MoveToStartOfBlock, QKeySequence::SelectStartOfBlock, Move::LineEdge, -1},
    {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Move::Line, 1},
    {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Move::Line, -1},
    {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Move::Page, 1},
    {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Move::Page, -1},
}};

constexpr std::array<QKeySequence::StandardKey, 4> kDocumentKeys{
    QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument,
    QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument};

constexpr std::array<QKeySequence::StandardKey, 11> kEditKeys{
    QKeySequence::Copy,      QKeySequence::Cut,      QKeySequence::Paste,
    QKeySequence::SelectAll, QKeySequence::Undo,     QKeySequence::Redo,
    QKeySequence::Find,      QKeySequence::FindNext, QKeySequence::FindPrevious,
    QKeySequence::Delete,    QKeySequence::Backspace};

bool typedText(const QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString t = e->text();
    return !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return c.isPrint(); });
}

}  // namespace

// Keys the box takes before any shortcut of the window can.
bool LineBox::handles(QKeyEvent* e) {
    for (const MoveKey& k : kMoveKeys)
        if (e->matches(k.move) || e->matches(k.select)) return true;
    for (auto k : kDocumentKeys)
        if (e->matches(k)) return true;
    for (auto k : kEditKeys)
        if (e->matches(k)) return true;
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || typedText(e);
}

bool LineBox::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride && handles(static_cast<QKeyEvent*>(e))) {
        e->accept();
        return true;
    }
    return QAbstractScrollArea::event(e);
}

void LineBox::keyPressEvent(QKeyEvent* e) {
    if (moveKey(e) || editKey(e))
        e->accept();
    else
        e->ignore();  // Tab and the rest go on to the window
}

TextPos LineBox::wordEdge(TextPos pos, int step) const {
    // a word is what stands between spaces: "X12,5000" is one
    const QString text = lineText(pos.line);
    int c = pos.column;
    auto space = [&](int i) { return text[i].isSpace(); };
    if (step > 0) {
        while (c < text.size() && space(c)) ++c;
        while (c < text.size() && !space(c)) ++c;
    } else {
        while (c > 0 && space(c - 1)) --c;
        while (c > 0 && !space(c - 1)) --c;
    }
    return {pos.line, c};
}

TextPos LineBox::moved(TextPos pos, QKeyEvent* e, bool& known) const {
    known = true;
    for (const MoveKey& k : kMoveKeys) {
        if (!e->matches(k.move) && !e->matches(k.select)) continue;
        switch (k.kind) {
            case Move::Char:
                return charMoved(pos, k.step);
            case Move::Word:
                return wordMoved(pos, k.step);
            case Move::LineEdge:
                return {pos.line, k.step > 0 ? static_cast<int>(lineText(pos.line).size()) : 0};
            case Move::Line:
                return linesMoved(pos, k.step);
            case Move::Page:
                return linesMoved(pos, k.step * visibleLineCount());
            case Move::Document:
                break;
        }
    }
    if (e->matches(QKeySequence::MoveToStartOfDocument) ||
        e->matches(QKeySequence::SelectStartOfDocument))
        return {0, 0};
    if (e->matches(QKeySequence::MoveToEndOfDocument) ||
        e->matches(QKeySequence::SelectEndOfDocument))
        return {lineCount() - 1, static_cast<int>(lineText(lineCount() - 1).size())};
    known = false;
    return pos;
}

TextPos LineBox::previousLineEnd(TextPos pos) const {
    return pos.line > 0 ? TextPos{pos.line - 1, static_cast<int>(lineText(pos.line - 1).size())}
                        : pos;
}

TextPos LineBox::charMoved(TextPos pos, int step) const {
    if (step > 0)
        return pos.column < static_cast<int>(lineText(pos.line).size())
                   ? TextPos{pos.line, pos.column + 1}
                   : TextPos{pos.line + 1, 0};
    if (pos.column > 0) return {pos.line, pos.column - 1};
    return previousLineEnd(pos);
}

TextPos LineBox::wordMoved(TextPos pos, int step) const {
    const TextPos edge = wordEdge(pos, step);
    if (edge != pos) return edge;
    return step > 0 ? TextPos{pos.line + 1, 0} : previousLineEnd(pos);
}

TextPos LineBox::linesMoved(TextPos pos, int lines) const {
    const int line = std::clamp(pos.line + lines, 0, lineCount() - 1);
    return {line, columnAt(line, preferredX_)};
}

bool LineBox::moveKey(QKeyEvent* e) {
    const bool vertical =
        e->matches(QKeySequence::MoveToNextLine) || e->matches(QKeySequence::SelectNextLine) ||
        e->matches(QKeySequence::MoveToPreviousLine) ||
        e->matches(QKeySequence::SelectPreviousLine) || e->matches(QKeySequence::MoveToNextPage) ||
        e->matches(QKeySequence::SelectNextPage) || e->matches(QKeySequence::MoveToPreviousPage) ||
        e->matches(QKeySequence::SelectPreviousPage);
    if (vertical && preferredX_ < 0) preferredX_ = xOf(cursor_) - textLeft();
    bool known = false;
    const TextPos to = moved(cursor_, e, known);
    if (!known) return false;
    if (!vertical) preferredX_ = -1;
    const bool select = (e->modifiers() & Qt::ShiftModifier) != 0;
    if (e->matches(QKeySequence::MoveToNextPage) || e->matches(QKeySequence::SelectNextPage) ||
        e->matches(QKeySequence::MoveToPreviousPage) ||
        e->matches(QKeySequence::SelectPreviousPage)) {
        QScrollBar* v = verticalScrollBar();
        v->setValue(v->value() + (to.line - cursor_.line));
    }
    setCursorPosition(to, select);
    return true;
}

bool LineBox::editKey(QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy))
        copy();
    else if (e->matches(QKeySequence::Cut))
        cut();
    else if (e->matches(QKeySequence::Paste))
        paste();
    else if (e->matches(QKeySequence::SelectAll))
        selectAll();
    else if (e->matches(QKeySequence::Undo))
        undo();
    else if (e->matches(QKeySequence::Redo))
        redo();
    else if (e->matches(QKeySequence::Find))
        showFind();
    else if (e->matches(QKeySequence::FindNext))
        findAgain(false);
    else if (e->matches(QKeySequence::FindPrevious))
        findAgain(true);
    else if (e->matches(QKeySequence::Delete))
        removeAt(true);
    else if (e->matches(QKeySequence::Backspace) || e->key() == Qt::Key_Backspace)
        removeAt(false);
    else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        insertText(QStringLiteral("\n"));
    else if (typedText(e))
        insertText(e->text());
    else
        return false;
    return true;
}

void LineBox::insertText(const QString& text) {
    const bool typing = text.size() == 1 && text != QStringLiteral("\n") && !hasSelection();
    replace(selectionStart(), selectionEnd(), text, typing);
}

void LineBox::removeSelection() {
    if (hasSelection()) replace(selectionStart(), selectionEnd(), QString(), false);
}

void LineBox::removeAt(bool forward) {
    if (hasSelection()) return removeSelection();
    const QString text = lineText(cursor_.line);
    TextPos from = cursor_, to = cursor_;
    if (forward) {
        if (to.column < text.size())
            to.column += text[to.column].isHighSurrogate() ? 2 : 1;
        else if (to.line + 1 < lineCount())
            to = {to.line + 1, 0};
    } else {
        if (from.column > 0)
            from.column -= from.column > 1 && text[from.column - 1].isLowSurrogate() ? 2 : 1;
        else if (from.line > 0)
            from = {from.line - 1, static_cast<int>(lineText(from.line - 1).size())};
    }
    if (from != to) replace(from, clamp(to), QString(), false);
}

// The text from `from` to `to` gives way to `text`: the lines from the first to the last
// touched are replaced by as many as the text makes.
void LineBox::replace(TextPos from, TextPos to, const QString& text, bool typing) {
    QStringList parts = pieces(text);
    parts.front().prepend(lineText(from.line).left(from.column));
    const int endColumn = static_cast<int>(parts.back().size());
    parts.back().append(lineText(to.line).mid(to.column));
    Change c;
    c.first = from.line;
    c.remove = to.line - from.line + 1;
    c.lines.reserve(static_cast<std::size_t>(parts.size()));
    for (const QString& p : parts) c.lines.push_back(p.toStdString());
    c.before = cursor_;
    c.after = {from.line + static_cast<int>(parts.size()) - 1, endColumn};
    c.typing = typing;
    redo_.clear();
    apply(std::move(c), undo_);
}

// Puts the change into the model, and its reverse on `undoTo`.
void LineBox::apply(Change c, std::vector<Change>& undoTo) {
    const int size = static_cast<int>(model_.lines().size());
    // an empty box shows one empty line, which the model does not hold
    if (c.first == 0 && c.remove >= lineCount() && c.lines.size() == 1 && c.lines[0].empty())
        c.lines.clear();
    c.remove = std::min(c.remove, size - c.first);
    const int added = static_cast<int>(c.lines.size());
    const auto longest =
        std::max_element(c.lines.begin(), c.lines.end(),
                         [](const auto& a, const auto& b) { return a.size() < b.size(); });
    if (longest != c.lines.end())
        widest_ =
            std::max(widest_, fontMetrics().horizontalAdvance(QString::fromStdString(*longest)));
    editing_ = true;
    std::vector<std::string> taken = model_.replaceLines(
        static_cast<std::size_t>(c.first), static_cast<std::size_t>(c.remove), std::move(c.lines));
    editing_ = false;
    Change* last = undoTo.empty() ? nullptr : &undoTo.back();
    if (c.typing && last && last->typing && last->first == c.first && last->remove == 1 &&
        c.remove == 1 && added == 1 && last->before == c.before) {
        last->before = c.after;  // one more key of the same typing: one step to undo
    } else {
        undoTo.push_back({c.first, added, std::move(taken), c.after, c.before, c.typing});
        if (undoTo.size() > kUndoSteps) undoTo.erase(undoTo.begin());
    }
    noteShown();
    updateScrollBars();
    setCursorPosition(c.after);
    emit textChanged();
}

void LineBox::undo() {
    if (undo_.empty()) return;
    Change c = std::move(undo_.back());
    undo_.pop_back();
    c.typing = false;
    apply(std::move(c), redo_);
}

void LineBox::redo() {
    if (redo_.empty()) return;
    Change c = std::move(redo_.back());
    redo_.pop_back();
    c.typing = false;
    apply(std::move(c), undo_);
}

void LineBox::copy() {
    if (hasSelection()) QApplication::clipboard()->setText(selectedText());
}

void LineBox::cut() {
    copy();
    removeSelection();
}

void LineBox::paste() {
    const QString text = QApplication::clipboard()->text();
    if (!text.isEmpty()) insertText(text);
}

void LineBox::selectAll() {
    anchor_ = {0, 0};
    const int last = lineCount() - 1;
    setCursorPosition({last, static_cast<int>(lineText(last).size())}, true);
}

bool LineBox::find(const QString& text, bool backwards) {
    return findFrom(text, backwards ? selectionStart() : selectionEnd(), backwards);
}

bool LineBox::findFrom(const QString& text, TextPos from, bool backwards) {
    lastFind_ = text;
    const auto at = findText(model_.lines(), text, from, backwards);
    if (!at) return false;
    scrollToLine(at->line);
    anchor_ = *at;
    setCursorPosition({at->line, at->column + static_cast<int>(text.size())}, true);
    return true;
}

void LineBox::findAgain(bool backwards) {
    if (lastFind_.isEmpty())
        showFind();
    else
        findBar_->showFound(find(lastFind_, backwards));
}

void LineBox::showFind() {
    if (hasSelection() && selectionStart().line == selectionEnd().line)
        findBar_->field()->setText(selectedText());
    findBar_->show();
    placeFindBar();
    findBar_->field()->setFocus();
    findBar_->field()->selectAll();
}

QLineEdit* LineBox::findField() const { return findBar_->field(); }

void LineBox::placeFindBar() {
    const int height = findBar_->isVisible() ? findBar_->sizeHint().height() : 0;
    if (viewportMargins().bottom() != height) setViewportMargins(0, 0, 0, height);
    if (!findBar_->isVisible()) return;
    const QRect area = viewport()->geometry();
    findBar_->setGeometry(area.left(), area.bottom() + 1, area.width(), height);
}

void LineBox::contextMenuEvent(QContextMenuEvent* e) {
    QMenu menu(this);
    const bool text = !QApplication::clipboard()->text().isEmpty();
    menu.addAction(QStringLiteral("Visszavonás"), this, &LineBox::undo)->setEnabled(!undo_.empty());
    menu.addAction(QStringLiteral("Újra"), this, &LineBox::redo)->setEnabled(!redo_.empty());
    menu.addSeparator();
    menu.addAction(QStringLiteral("Kivágás"), this, &LineBox::cut)->setEnabled(hasSelection());
    menu.addAction(QStringLiteral("Másolás"), this, &LineBox::copy)->setEnabled(hasSelection());
    menu.addAction(QStringLiteral("Beillesztés"), this, &LineBox::paste)->setEnabled(text);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Összes kijelölése"), this, &LineBox::selectAll);
    menu.addAction(QStringLiteral("Keresés..."), this, &LineBox::showFind);
    menu.exec(e->globalPos());
}

}  // namespace ui::qt
