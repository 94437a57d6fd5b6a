#include "desktop/formparts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>

#include "desktop/formview.h"  // the window placement it declares

namespace ui::qt {

namespace {

constexpr int kGap = 8;  // between the caption and what stands before it

void widgetFocusIn(QWidget* w, QList<QWidget*>& order) {
    if (auto* area = qobject_cast<QScrollArea*>(w); area && area->widget())
        widgetFocusIn(area->widget(), order);  // the page's fields
    else if (w->focusPolicy() & Qt::TabFocus)
        order.push_back(w);
    else if (w->layout())
        focusIn(w->layout(), order);  // a group box: its buttons
}

}  // namespace

// The widgets of a layout that take the focus, in reading order: a grid row by row.
void focusIn(QLayout* layout, QList<QWidget*>& order) {
    struct Cell {
        int row, column;
        QLayoutItem* item;
    };
    std::vector<Cell> cells;
    auto* grid = qobject_cast<QGridLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        int row = i, column = 0, rows = 1, columns = 1;
        if (grid) grid->getItemPosition(i, &row, &column, &rows, &columns);
        cells.push_back({row, column, layout->itemAt(i)});
    }
    std::stable_sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) {
        return std::pair(a.row, a.column) < std::pair(b.row, b.column);
    });
    for (const Cell& c : cells) {
        if (c.item->widget())
            widgetFocusIn(c.item->widget(), order);
        else if (c.item->layout())
            focusIn(c.item->layout(), order);
    }
}

CaptionedChoice::CaptionedChoice(QLabel* caption, QComboBox* box) : caption_(caption), box_(box) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addSpacing(kGap);
    row->addWidget(caption);
    row->addWidget(box, 1);
    caption->setBuddy(box);
    box->setAccessibleName(caption->text());
}

QSize CaptionedChoice::sizeHint() const {
    const int spacing = layout()->spacing();
    return {kGap + caption_->sizeHint().width() + spacing + box_->sizeHint().width(),
            std::max(caption_->sizeHint().height(), box_->sizeHint().height())};
}

QSize CaptionedChoice::minimumSizeHint() const {
    return box_->minimumSize().expandedTo(QSize(0, box_->minimumSizeHint().height()));
}

void CaptionedChoice::resizeEvent(QResizeEvent* e) {
    // the caption comes and goes by the width given, which its showing does not change
    caption_->setVisible(e->size().width() >= sizeHint().width());
    QWidget::resizeEvent(e);
}

void GroupedCheckBox::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            focusNextPrevChild(false);
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            focusNextPrevChild(true);
            break;
        default:
            QCheckBox::keyPressEvent(e);
    }
}

void moveOnScreen(QWidget* window, QRect frame) {
    if (QScreen* s = window->screen()) {
        const QRect free = s->availableGeometry();
        frame.moveLeft(std::min(frame.left(), free.right() - frame.width() + 1));
        frame.moveTop(std::min(frame.top(), free.bottom() - frame.height() + 1));
        frame.moveLeft(std::max(frame.left(), free.left()));
        frame.moveTop(std::max(frame.top(), free.top()));
    }
    window->move(frame.topLeft());
}

void fixSizeKeepingMiddle(QWidget* window, QSize size) {
    if (window->minimumSize() == size && window->maximumSize() == size) return;
    // a window already on the screen keeps its middle where it was
    const bool shown = window->isWindow() && window->isVisible();
    const QPoint middle = window->frameGeometry().center();
    window->setFixedSize(size);
    if (!shown) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(middle);
    moveOnScreen(window, frame);
}

void centreOver(QWidget* window, const QWidget* owner) {
    if (!owner) return;
    const QWidget* top = owner->window();
    QRect frame = window->frameGeometry();
    // The window system tells a window's frame only once it shows; until then a framed window
    // is taken to get the owner's frame, or it would stand half a title bar low.
    if (frame == window->geometry() && !window->windowFlags().testFlag(Qt::FramelessWindowHint)) {
        const QRect ownerFrame = top->frameGeometry(), ownerInside = top->geometry();
        frame.adjust(ownerFrame.left() - ownerInside.left(), ownerFrame.top() - ownerInside.top(),
                     ownerFrame.right() - ownerInside.right(),
                     ownerFrame.bottom() - ownerInside.bottom());
    }
    frame.moveCenter(top->frameGeometry().center());
    moveOnScreen(window, frame);
}

int groupColumns(const std::vector<QGroupBox*>& groups, int least, int width, int spacing) {
    const int count = static_cast<int>(groups.size());
    for (int columns = count; columns > least; --columns) {
        // a column is as wide as its widest group
        std::vector<int> widths(static_cast<std::size_t>(columns), 0);
        for (int i = 0; i < count; ++i) {
            int& w = widths[static_cast<std::size_t>(i % columns)];
            w = std::max(w, groups[static_cast<std::size_t>(i)]->sizeHint().width());
        }
        int total = spacing * (columns - 1);
        for (int w : widths) total += w;
        if (total <= width) return columns;
    }
    return least;
}

}  // namespace ui::qt
