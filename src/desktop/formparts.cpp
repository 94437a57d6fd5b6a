#include "desktop/formparts.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QResizeEvent>
#include <algorithm>

namespace ui::qt {

namespace {
constexpr int kGap = 8;  // between the caption and what stands before it
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

QSize CaptionedChoice::minimumSizeHint() const { return box_->minimumSizeHint(); }

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
