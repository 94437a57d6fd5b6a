#include "ui/qt/mainwindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace ui::qt {

MainWindow::MainWindow(qorix::TForm1& form, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), form_(form), binder_(dialogs) {
    setObjectName("TForm1");
    setWindowTitle(QString::fromStdString(form.caption()));
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);

    auto* bar = new QHBoxLayout;
    QComboBox* list = binder_.comboBox(form.ComboBox1);
    list->setMinimumWidth(list->fontMetrics().horizontalAdvance(
                              "Fúrás Téglalap mentén (drill rectangle bolt pattern)") +
                          50);
    list->setMaxVisibleItems(8);
    bar->addWidget(list);
    QPushButton* send = binder_.button(form.Button3);
    send->setMinimumWidth(send->fontMetrics().horizontalAdvance(qorix::form1::kBack) + 24);
    bar->addWidget(send);
    bar->addWidget(binder_.button(form.Button1));
    bar->addWidget(binder_.button(form.Button4));
    bar->addWidget(binder_.checkBox(form.CheckBox1));
    bar->addStretch(1);
    // the path buffer lies under the list, covered; its model keeps it hidden
    QPlainTextEdit* buffer = binder_.memo(form.Memo1);
    buffer->setParent(this);
    buffer->hide();
    column->addLayout(bar);

    area_ = new QWidget;
    area_->setObjectName("pages");
    stack_ = new QGridLayout(area_);
    stack_->setContentsMargins(0, 0, 0, 0);
    column->addWidget(area_);
    // A page's widgets are made the first time it shows, or in the idle time after the
    // window first shows; a fast start does not wait for eight pages nobody has chosen yet.
    pages_.assign(form.pages().size(), nullptr);
    QPointer<MainWindow> guard(this);
    for (std::size_t i = 0; i < form.pages().size(); ++i) {
        form.pages()[i]->addVisibilityListener([guard, i] {
            if (guard && guard->form_.pages()[i]->visible()) guard->buildPage(i);
        });
        if (form.pages()[i]->visible()) buildPage(i);
    }
}

FormView* MainWindow::pageView(int wizardNumber) const {
    return const_cast<MainWindow*>(this)->buildPage(static_cast<std::size_t>(wizardNumber - 1));
}

FormView* MainWindow::buildPage(std::size_t index) {
    FormView*& view = pages_.at(index);
    if (view) return view;
    const auto& page = form_.pages()[index];
    view = new FormView(*page, binder_.dialogs());
    stack_->addWidget(view, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    view->setVisible(page->visible());
    // the pages share one place, which keeps the size of the largest made so far
    const QSize before = area_->minimumSize();
    area_->setMinimumSize(before.expandedTo(view->sizeHint()));
    if (centred_ && area_->minimumSize() != before) recentre_ = true;
    return view;
}

void MainWindow::buildNextPageLater() {
    QTimer::singleShot(0, this, [this] {
        auto next = std::find(pages_.begin(), pages_.end(), nullptr);
        if (next == pages_.end()) {
            if (recentre_) centre();
            return;
        }
        buildPage(static_cast<std::size_t>(next - pages_.begin()));
        buildNextPageLater();
    });
}

void MainWindow::centre() {
    recentre_ = false;
    layout()->activate();  // the size the pages made so far ask for, now
    adjustSize();
    if (QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

bool MainWindow::event(QEvent* e) {
    if (e->type() == QEvent::Paint && !paintedOnce_) {
        // the pages nobody has chosen yet are made once the window has its first pixels
        paintedOnce_ = true;
        buildNextPageLater();
    }
    if (e->type() == QEvent::WindowActivate) {
        // after the activation is delivered, so that the warning's box is not opened from
        // inside it
        QTimer::singleShot(0, this, [this] { binder_.run([this] { form_.FormActivate(); }); });
    }
    return QWidget::event(e);
}

void MainWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (centred_) return;
    centred_ = true;
    centre();
}

}  // namespace ui::qt
