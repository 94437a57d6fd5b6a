#include "desktop/linebox.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <algorithm>

#include "desktop/findbar.h"

namespace ui::qt {

namespace {

constexpr int kMargin = 4;  // between the frame and the text
constexpr int kDragScrollMs = 40;
// Laying out a line of megabytes froze the window for seconds at each paint; a line longer
// than this is taken as a row of equal characters and only its piece in view is drawn.
constexpr std::size_t kLaidOut = 4000;

int clampedWidth(long long width) { return static_cast<int>(std::min<long long>(width, 1 << 30)); }

}  // namespace

LineBox::LineBox(Memo& model, QWidget* parent) : QAbstractScrollArea(parent), model_(model) {
    setObjectName(QString::fromStdString(model.name()));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    findBar_ = new FindBar(this);
    findBar_->hide();
    QPointer<LineBox> guard(this);
    model_.addListener([guard] {
        if (guard && !guard->editing_) guard->modelChanged();
    });
    measureWidest();
    noteShown();
    updateScrollBars();
}

LineBox::~LineBox() = default;

int LineBox::lineCount() const { return std::max<int>(1, static_cast<int>(model_.lines().size())); }

QString LineBox::lineText(int line) const {
    const auto& lines = model_.lines();
    if (line < 0 || static_cast<std::size_t>(line) >= lines.size()) return {};
    return QString::fromStdString(lines[static_cast<std::size_t>(line)]);
}

QString LineBox::toPlainText() const {
    std::string text;
    for (const auto& l : model_.lines()) {
        if (&l != &model_.lines().front()) text += '\n';
        text += l;
    }
    return QString::fromStdString(text);
}

// The page replaced or added lines: lines added after those shown (a series, a log) are
// scrolled into view; other lines are shown from the top.
void LineBox::modelChanged() {
    const auto& lines = model_.lines();
    const bool appended =
        shownCount_ > 0 && lines.size() > shownCount_ && lines[shownCount_ - 1] == shownLast_;
    undo_.clear();
    redo_.clear();
    // a program replaced by "Törlés", "Létrehozás" or an opened file comes back by one undo
    if (auto earlier = model_.takeReplaced(); earlier && !appended)
        undo_.push_back({0, static_cast<int>(lines.size()), std::move(*earlier), {}, {}, false});
    measureWidest();
    noteShown();
    updateScrollBars();
    if (appended) {
        const int last = lineCount() - 1;
        setCursorPosition({last, static_cast<int>(lineText(last).size())});
    } else {
        setCursorPosition({0, 0});
        verticalScrollBar()->setValue(0);
        horizontalScrollBar()->setValue(0);
    }
    viewport()->update();
    emit textChanged();
}

void LineBox::noteShown() {
    const auto& lines = model_.lines();
    shownCount_ = lines.size();
    shownLast_ = lines.empty() ? std::string() : lines.back();
}

int LineBox::lineHeight() const { return std::max(1, fontMetrics().lineSpacing()); }

int LineBox::textLeft() const { return kMargin - horizontalScrollBar()->value(); }

bool LineBox::isLong(int line) const {
    const auto& lines = model_.lines();
    return line >= 0 && static_cast<std::size_t>(line) < lines.size() &&
           lines[static_cast<std::size_t>(line)].size() > kLaidOut;
}

int LineBox::charWidth() const {
    return std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('M')));
}

int LineBox::xOf(TextPos pos) const {
    if (isLong(pos.line))
        return textLeft() + clampedWidth(static_cast<long long>(pos.column) * charWidth());
    return textLeft() + fontMetrics().horizontalAdvance(lineText(pos.line).left(pos.column));
}

int LineBox::columnAt(int line, int x) const {
    if (isLong(line)) {
        const auto bytes =
            static_cast<long long>(model_.lines()[static_cast<std::size_t>(line)].size());
        return static_cast<int>(
            std::clamp<long long>((x + charWidth() / 2) / charWidth(), 0, bytes));
    }
    const QString text = lineText(line);
    const QFontMetrics fm = fontMetrics();
    // the first column whose left edge lies at or past x, or the one before if nearer
    int lo = 0, hi = static_cast<int>(text.size());
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (fm.horizontalAdvance(text.left(mid)) < x)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo > 0 &&
        x - fm.horizontalAdvance(text.left(lo - 1)) < fm.horizontalAdvance(text.left(lo)) - x)
        --lo;
    if (lo > 0 && lo < text.size() && text[lo].isLowSurrogate()) --lo;
    return lo;
}

TextPos LineBox::posAt(QPoint point) const {
    const int y = point.y() < 0 ? point.y() - lineHeight() + 1 : point.y();  // rounds down
    const int line = std::clamp(firstVisibleLine() + y / lineHeight(), 0, lineCount() - 1);
    return {line, columnAt(line, point.x() - textLeft())};
}

TextPos LineBox::clamp(TextPos pos) const {
    pos.line = std::clamp(pos.line, 0, lineCount() - 1);
    pos.column = std::clamp(pos.column, 0, static_cast<int>(lineText(pos.line).size()));
    return pos;
}

int LineBox::firstVisibleLine() const { return verticalScrollBar()->value(); }

int LineBox::visibleLineCount() const { return std::max(1, viewport()->height() / lineHeight()); }

void LineBox::updateScrollBars() {
    const int page = visibleLineCount();
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, std::max(0, lineCount() - page));
    v->setPageStep(page);
    v->setSingleStep(1);
    QScrollBar* h = horizontalScrollBar();
    const int width = viewport()->width();
    h->setRange(0, std::max(0, widest_ + 2 * kMargin + 2 - width));
    h->setPageStep(width);
    h->setSingleStep(std::max(1, fontMetrics().averageCharWidth() * 2));
}

// The longest line by its bytes, measured; a line that draws wider (other letters) widens
// the range when it is first drawn. Measuring every line would cost a million layouts.
void LineBox::measureWidest() {
    const auto& lines = model_.lines();
    const auto longest =
        std::max_element(lines.begin(), lines.end(),
                         [](const auto& a, const auto& b) { return a.size() < b.size(); });
    if (longest != lines.end() && longest->size() > kLaidOut)
        widest_ = clampedWidth(static_cast<long long>(longest->size()) * charWidth());
    else
        widest_ = longest == lines.end()
                      ? 0
                      : fontMetrics().horizontalAdvance(QString::fromStdString(*longest));
}

void LineBox::setCursorPosition(TextPos pos, bool keepAnchor) {
    const int before = cursor_.line;
    cursor_ = clamp(pos);
    if (!keepAnchor) anchor_ = cursor_;
    ensureCursorVisible();
    restartBlink();
    viewport()->update();
    if (cursor_.line != before) emit currentLineChanged(cursor_.line);
}

void LineBox::ensureCursorVisible() {
    QScrollBar* v = verticalScrollBar();
    const int page = visibleLineCount();
    if (cursor_.line < v->value()) v->setValue(cursor_.line);
    if (cursor_.line >= v->value() + page) v->setValue(cursor_.line - page + 1);
    QScrollBar* h = horizontalScrollBar();
    const int x = xOf(cursor_) + h->value();  // from the text area's left edge
    const int width = viewport()->width();
    if (x - kMargin < h->value()) h->setValue(x - kMargin);
    if (x + kMargin > h->value() + width) h->setValue(x + kMargin - width);
}

void LineBox::scrollToLine(int line) {
    line = std::clamp(line, 0, lineCount() - 1);
    const int first = firstVisibleLine();
    if (line < first || line >= first + visibleLineCount())
        verticalScrollBar()->setValue(line - visibleLineCount() / 2);
}

void LineBox::selectLines(int first, int last) {
    first = std::clamp(first, 0, lineCount() - 1);
    last = std::clamp(last, first, lineCount() - 1);
    scrollToLine(first);
    anchor_ = {first, 0};
    setCursorPosition({last, static_cast<int>(lineText(last).size())}, true);
    // a range taller than the box shows its start, which the cursor's end had scrolled away
    if (firstVisibleLine() > first) scrollToLine(first);
}

QString LineBox::selectedText() const {
    const TextPos s = selectionStart(), e = selectionEnd();
    if (s.line == e.line) return lineText(s.line).mid(s.column, e.column - s.column);
    // one conversion for the lines between, which may be a million
    std::string text = lineText(s.line).mid(s.column).toStdString();
    const auto& lines = model_.lines();
    for (int i = s.line + 1; i < e.line; ++i) {
        text += '\n';
        text += lines[static_cast<std::size_t>(i)];
    }
    text += '\n';
    text += lineText(e.line).left(e.column).toStdString();
    return QString::fromStdString(text);
}

void LineBox::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const int h = lineHeight();
    const int first = firstVisibleLine();
    const int rows = viewport()->height() / h + 1;
    for (int i = 0; i < rows && first + i < lineCount(); ++i) drawLine(p, first + i, i * h);
    // the style's own focus frame is too faint to find the box by
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));
    }
}

// Only the characters in view (and a few beside) are made into text and drawn; a selection
// on such a line is not shaded.
void LineBox::drawLongLine(QPainter& p, int line, int top) {
    const std::string& bytes = model_.lines()[static_cast<std::size_t>(line)];
    const QFontMetrics fm = fontMetrics();
    const int cw = charWidth();
    const std::size_t first = static_cast<std::size_t>(std::max(0, -textLeft() / cw - 4));
    const std::size_t count = static_cast<std::size_t>(viewport()->width() / cw + 8);
    if (first < bytes.size()) {
        const QString piece = QString::fromUtf8(
            bytes.data() + first, static_cast<qsizetype>(std::min(count, bytes.size() - first)));
        p.setPen(palette().color(QPalette::Text));
        p.drawText(textLeft() + static_cast<int>(first) * cw,
                   top + fm.ascent() + (lineHeight() - fm.height()) / 2, piece);
    }
    if (line == cursor_.line && cursorShown_ && hasFocus())
        p.fillRect(QRect(xOf(cursor_), top, 1, lineHeight()), palette().color(QPalette::Text));
}

void LineBox::drawLine(QPainter& p, int line, int top) {
    if (isLong(line)) return drawLongLine(p, line, top);
    const QString text = lineText(line);
    const QFontMetrics fm = fontMetrics();
    const int h = lineHeight();
    const int width = fm.horizontalAdvance(text);
    if (width > widest_) {  // wider than the longest by bytes: widen the range
        widest_ = width;
        QMetaObject::invokeMethod(this, &LineBox::updateScrollBars, Qt::QueuedConnection);
    }
    const TextPos s = selectionStart(), e = selectionEnd();
    QRect selected;
    if (hasSelection() && s.line <= line && line <= e.line) {
        const int x0 = line == s.line ? xOf(s) : textLeft();
        // a selected line end shows as a space's width
        const int x1 = line == e.line ? xOf(e) : textLeft() + width + fm.horizontalAdvance(' ');
        selected = QRect(x0, top, x1 - x0, h);
        p.fillRect(selected, palette().brush(QPalette::Highlight));
    }
    const int baseline = top + fm.ascent() + (h - fm.height()) / 2;
    p.setPen(palette().color(QPalette::Text));
    p.drawText(textLeft(), baseline, text);
    if (!selected.isEmpty()) {
        p.save();
        p.setClipRect(selected);
        p.setPen(palette().color(QPalette::HighlightedText));
        p.drawText(textLeft(), baseline, text);
        p.restore();
    }
    if (line == cursor_.line && cursorShown_ && hasFocus())
        p.fillRect(QRect(xOf(cursor_), top, 1, h), palette().color(QPalette::Text));
}

void LineBox::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    placeFindBar();
    updateScrollBars();
}

void LineBox::changeEvent(QEvent* e) {
    QAbstractScrollArea::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        measureWidest();
        updateScrollBars();
        placeFindBar();
    }
}

void LineBox::scrollContentsBy(int, int) { viewport()->update(); }

void LineBox::restartBlink() {
    cursorShown_ = true;
    const int flash = QApplication::cursorFlashTime();
    if (hasFocus() && flash > 0)
        blink_.start(flash / 2, this);
    else
        blink_.stop();
}

void LineBox::focusInEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusInEvent(e);
    restartBlink();
    viewport()->update();
}

void LineBox::focusOutEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusOutEvent(e);
    blink_.stop();
    viewport()->update();
}

void LineBox::timerEvent(QTimerEvent* e) {
    if (e->timerId() == blink_.timerId()) {
        cursorShown_ = !cursorShown_;
        viewport()->update();
    } else if (e->timerId() == drag_.timerId()) {
        dragScroll();
    } else {
        QAbstractScrollArea::timerEvent(e);
    }
}

void LineBox::mousePressEvent(QMouseEvent* e) {
    const TextPos at = posAt(e->position().toPoint());
    preferredX_ = -1;
    if (e->button() == Qt::LeftButton) {
        setCursorPosition(at, e->modifiers() & Qt::ShiftModifier);
        dragging_ = true;
    } else if (e->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        setCursorPosition(at);
        insertText(QApplication::clipboard()->text(QClipboard::Selection));
    }
}

void LineBox::mouseMoveEvent(QMouseEvent* e) {
    if (!dragging_ || !(e->buttons() & Qt::LeftButton)) return;
    dragAt_ = e->position().toPoint();
    setCursorPosition(posAt(dragAt_), true);
    // held above or below the text, the selection goes on with the scrolling lines
    if (dragAt_.y() < 0 || dragAt_.y() >= viewport()->height())
        drag_.start(kDragScrollMs, this);
    else
        drag_.stop();
}

void LineBox::dragScroll() {
    const int step = dragAt_.y() < 0 ? -1 : 1;
    QScrollBar* v = verticalScrollBar();
    v->setValue(v->value() + step);
    setCursorPosition(posAt(dragAt_), true);
}

void LineBox::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    dragging_ = false;
    drag_.stop();
    if (hasSelection() && QApplication::clipboard()->supportsSelection())
        QApplication::clipboard()->setText(selectedText(), QClipboard::Selection);
}

void LineBox::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const TextPos at = posAt(e->position().toPoint());
    anchor_ = wordEdge(at, -1);
    setCursorPosition(wordEdge(at, 1), true);
}

void LineBox::inputMethodEvent(QInputMethodEvent* e) {
    if (!e->commitString().isEmpty()) insertText(e->commitString());
    e->accept();
}

QVariant LineBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
        case Qt::ImEnabled:
            return true;
        case Qt::ImCursorRectangle: {
            const int top = (cursor_.line - firstVisibleLine()) * lineHeight();
            return QRect(xOf(cursor_), top, 1, lineHeight()).translated(viewport()->pos());
        }
        case Qt::ImSurroundingText:
            return lineText(cursor_.line);
        case Qt::ImCursorPosition:
            return cursor_.column;
        case Qt::ImAnchorPosition:
            return anchor_.line == cursor_.line ? anchor_.column : cursor_.column;
        default:
            return QAbstractScrollArea::inputMethodQuery(query);
    }
}

}  // namespace ui::qt
