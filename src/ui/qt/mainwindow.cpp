#include "ui/qt/mainwindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

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

    auto* area = new QWidget;
    area->setObjectName("pages");
    auto* stack = new QGridLayout(area);
    stack->setContentsMargins(0, 0, 0, 0);
    QSize largest;
    for (const auto& page : form.pages()) {
        auto* view = new FormView(*page, dialogs);
        largest = largest.expandedTo(view->sizeHint());
        stack->addWidget(view, 0, 0, Qt::AlignTop | Qt::AlignLeft);
        view->setVisible(page->visible());
        pages_.push_back(view);
    }
    area->setMinimumSize(largest);
    column->addWidget(area);
}

bool MainWindow::event(QEvent* e) {
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
    adjustSize();
    if (QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

}  // namespace ui::qt
