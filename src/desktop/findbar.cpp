#include "desktop/findbar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>

#include "desktop/linebox.h"

namespace ui::qt {

namespace {

QToolButton* tool(QWidget* parent, const QString& name, const QString& tip) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

FindBar::FindBar(LineBox* box) : QWidget(box), box_(box) {
    setObjectName("findBar");
    setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    field_ = new QLineEdit(this);
    field_->setObjectName("findField");
    field_->setPlaceholderText(QStringLiteral("Keresés"));
    field_->setClearButtonEnabled(true);
    field_->installEventFilter(this);
    row->addWidget(field_, 1);
    QToolButton* previous = tool(this, "findPrevious", QStringLiteral("Előző (Shift+F3)"));
    previous->setArrowType(Qt::UpArrow);
    QToolButton* next = tool(this, "findNext", QStringLiteral("Következő (F3)"));
    next->setArrowType(Qt::DownArrow);
    QToolButton* shut = tool(this, "findClose", QStringLiteral("Bezárás (Esc)"));
    shut->setText(QStringLiteral("×"));
    for (QToolButton* b : {previous, next, shut}) row->addWidget(b);
    connect(previous, &QToolButton::clicked, this,
            [this] { showFound(box_->find(field_->text(), true)); });
    connect(next, &QToolButton::clicked, this,
            [this] { showFound(box_->find(field_->text(), false)); });
    connect(shut, &QToolButton::clicked, this, [this] { close(); });
    // typing looks again from where the last find started, so the match grows with the text
    connect(field_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.isEmpty()) return showFound(true);
        showFound(box_->findFrom(text, box_->selectionStart(), false));
    });
}

void FindBar::showFound(bool found) {
    QPalette p = field_->palette();
    p.setColor(QPalette::Base, found ? palette().color(QPalette::Base) : QColor(255, 205, 205));
    field_->setPalette(p);
}

void FindBar::close() {
    hide();
    box_->placeFindBar();
    box_->setFocus();
}

bool FindBar::eventFilter(QObject* watched, QEvent* e) {
    if (watched != field_ || e->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, e);
    auto* key = static_cast<QKeyEvent*>(e);
    if (key->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_F3) {
        showFound(box_->find(field_->text(), key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    return false;
}

}  // namespace ui::qt
