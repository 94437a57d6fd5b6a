// "Szerszámtábla": the tool table's editor as a dialog over the main window, a grid of the
// tools (one row a tool, each cell edited in place) and its buttons, all by keyboard too:
// Tab goes from the grid through the buttons, Enter or F2 edits a cell, Insert adds a tool,
// Delete removes the chosen one, Ctrl+S saves, Escape leaves without saving.
#pragma once

#include <QDialog>
#include <QTableWidget>

#include "app/tooleditor.h"
#include "desktop/binding.h"

namespace ui::qt {

class ToolTableWindow : public QDialog {
public:
    ToolTableWindow(qorix::ToolBook& book, char separator, Dialogs& dialogs, QWidget* parent);
    QTableWidget* grid() const { return grid_; }

private:
    void fill();
    void add();
    void remove();
    void save();

    qorix::ToolTableEditor editor_;
    Dialogs& dialogs_;
    QTableWidget* grid_;
};

}  // namespace ui::qt
