#include "desktop/aboutwindow.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QVBoxLayout>

#include "desktop/formview.h"

namespace ui::qt {

namespace {
constexpr int kLeftWidth = 263;  // the compact window's content
}

AboutWindow::AboutWindow(qorix::AboutBox& store, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Dialog), store_(store), binder_(dialogs) {
    setObjectName("AboutBox");
    setWindowTitle(QString::fromStdString(store.caption()));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 12, 12, 12);
    row->setSpacing(12);
    row->addWidget(leftColumn(), 0, Qt::AlignTop);
    boxes_ = boxes();
    row->addWidget(boxes_, 1);
    watchStore();
    followSize();
    setVisible(store.visible());
}

QWidget* AboutWindow::leftColumn() {
    auto* left = new QVBoxLayout;
    left->addWidget(panel());
    auto* command = new QHBoxLayout;
    QLineEdit* field = binder_.edit(store_.Edit1).field;
    command->addWidget(field, 1);
    command->addWidget(binder_.button(store_.Button1));
    left->addLayout(command);
    // Enter in the command field sends it, as "MDI" does
    connect(field, &QLineEdit::returnPressed, this,
            [this] { binder_.run([this] { store_.Button1.click(); }); });
    QLabel* sent = binder_.label(store_.MdiStatus);
    sent->setWordWrap(true);
    left->addWidget(sent);
    left->addLayout(okRow());
    auto* leftBox = new QWidget;
    leftBox->setLayout(left);
    leftBox->setFixedWidth(kLeftWidth);
    left->setContentsMargins(0, 0, 0, 0);
    return leftBox;
}

QHBoxLayout* AboutWindow::okRow() {
    ok_ = binder_.button(store_.OKButton);
    ok_->setDefault(true);
    ok_->installEventFilter(this);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok_);
    row->addStretch(1);
    return row;
}

void AboutWindow::watchStore() {
    QPointer<AboutWindow> guard(this);
    store_.addSizeListener([guard] {
        if (guard) guard->followSize();
    });
    store_.addVisibilityListener([guard] {
        if (guard) guard->setVisible(guard->store_.visible());
    });
}

QWidget* AboutWindow::panel() {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto* column = new QVBoxLayout(frame);
    QLabel* picture = binder_.image(store_.ProgramIcon, kLeftWidth - 24);
    column->addWidget(picture);
    auto* rows = new QFormLayout;
    rows->setLabelAlignment(Qt::AlignLeft);
    rows->setRowWrapPolicy(QFormLayout::DontWrapRows);
    const std::pair<ui::Label*, ui::Label*> lines[] = {{&store_.ProductName, &store_.Label1},
                                                       {&store_.Version, &store_.Label2},
                                                       {&store_.Copyright, &store_.Label3},
                                                       {&store_.Comments, &store_.Label4}};
    for (const auto& [caption, value] : lines) {
        QLabel* v = binder_.label(*value);
        v->setWordWrap(true);
        if (value == &store_.Label1) {
            QFont f = v->font();
            f.setBold(true);
            v->setFont(f);
        }
        rows->addRow(binder_.label(*caption), v);
    }
    column->addLayout(rows);
    return frame;
}

QWidget* AboutWindow::boxes() {
    auto* area = new QWidget;
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    LineBox* position = binder_.memo(store_.Memo1);
    LineBox* echo = binder_.memo(store_.Memo3);
    for (LineBox* m : {position, echo}) m->setFixedHeight(80);
    top->addWidget(position);
    top->addWidget(echo);
    column->addLayout(top);
    LineBox* log = binder_.memo(store_.Memo2);
    log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    column->addWidget(log, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(binder_.button(store_.Button2));
    buttons->addWidget(binder_.button(store_.Button3));
    buttons->addStretch(1);
    column->addLayout(buttons);
    return area;
}

void AboutWindow::followSize() {
    // the boxes and the listing buttons lie outside the compact window
    boxes_->setVisible(store_.boxesShown());
    fixSizeKeepingMiddle(this, QSize(store_.width(), store_.height()));
}

void AboutWindow::showNonModal() {
    // placed before it shows, so that it does not appear elsewhere first
    if (!placedOnce_) {
        placedOnce_ = true;
        centreOver(this, parentWidget());
    }
    store_.setVisible(true);
    show();
    raise();
    activateWindow();
    ok_->setFocus();
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == ok_ && e->type() == QEvent::KeyPress) {
        QString text = static_cast<QKeyEvent*>(e)->text();
        if (text.size() == 1 && text[0].unicode() < 128) {
            char key = static_cast<char>(text[0].unicode());
            binder_.run([this, key] { store_.OKButtonKeyPress(key); });
        }
    }
    return QWidget::eventFilter(watched, e);
}

void AboutWindow::closeEvent(QCloseEvent* e) {
    store_.setVisible(false);
    e->accept();
}

}  // namespace ui::qt
