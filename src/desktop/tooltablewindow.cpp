#include "desktop/tooltablewindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/event.h"

namespace ui::qt {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QPushButton* button(const QString& text, const char* name, QBoxLayout* row) {
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
}

}  // namespace

ToolTableWindow::ToolTableWindow(qorix::ToolBook& book, char separator, Dialogs& dialogs,
                                 QWidget* parent)
    : QDialog(parent), editor_(book, separator), dialogs_(dialogs), grid_(new QTableWidget) {
    setObjectName("toolTable");
    setWindowTitle(qorix::tooleditor::kTitle);
    grid_->setObjectName("toolGrid");
    grid_->setColumnCount(qorix::tools::kColumns);
    QStringList headings;
    for (const char* h : qorix::tools::headings()) headings << QString::fromUtf8(h);
    grid_->setHorizontalHeaderLabels(headings);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(qorix::tools::Column::name,
                                                    QHeaderView::Stretch);
    grid_->setTabKeyNavigation(false);  // Tab goes on to the buttons
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::DoubleClicked);
    fill();
    connect(grid_, &QTableWidget::cellChanged, this, [this](int row, int column) {
        editor_.setCell(row, column, grid_->item(row, column)->text().toStdString());
    });
    auto* buttons = new QHBoxLayout;
    auto* add = button("Ú&j szerszám", "toolAdd", buttons);
    auto* remove = button("Szerszám &törlése", "toolRemove", buttons);
    buttons->addStretch(1);
    auto* saveButton = button("&Mentés", "toolSave", buttons);
    auto* cancel = button(qorix::tooleditor::kCancel, "toolCancel", buttons);
    connect(add, &QPushButton::clicked, this, [this] { this->add(); });
    connect(remove, &QPushButton::clicked, this, [this] { this->remove(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_Insert), grid_), &QShortcut::activated, this,
            [this] { this->add(); });
    connect(new QShortcut(QKeySequence(Qt::Key_Delete), grid_), &QShortcut::activated, this,
            [this] { this->remove(); });
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            [this] { save(); });
    auto* column = new QVBoxLayout(this);
    column->addWidget(grid_);
    column->addLayout(buttons);
    resize(860, 360);
}

void ToolTableWindow::fill() {
    QSignalBlocker quiet(grid_);
    grid_->setRowCount(editor_.rows());
    for (int r = 0; r < editor_.rows(); ++r)
        for (int c = 0; c < qorix::tools::kColumns; ++c)
            grid_->setItem(r, c, new QTableWidgetItem(q(editor_.cell(r, c))));
}

void ToolTableWindow::add() {
    const int row = editor_.addRow();
    fill();
    grid_->setFocus();
    grid_->setCurrentCell(row, qorix::tools::Column::name);
}

void ToolTableWindow::remove() {
    const int row = grid_->currentRow();
    if (row < 0 || row >= editor_.rows()) return;
    editor_.removeRow(row);
    fill();
    grid_->setCurrentCell(std::min(row, editor_.rows() - 1), grid_->currentColumn());
}

void ToolTableWindow::save() {
    // a cell still being typed into counts
    if (QWidget* typing = grid_->focusWidget(); typing && typing != grid_) grid_->setFocus();
    bool saved = false;
    runEvent(dialogs_, [this, &saved] { saved = editor_.save(dialogs_); });
    if (saved) accept();
}

}  // namespace ui::qt
