// "Szerszámtábla": the editor of the tool table, as a plain table of texts that the desktop
// shows as a grid. Numbers are shown and typed with the run's decimal separator (a dot is
// taken too); the file keeps them with a dot.
#pragma once

#include <string>
#include <vector>

#include "app/toolchoice.h"
#include "app/tooltable.h"

namespace qorix {

namespace tooleditor {
inline constexpr const char* kTitle = "Szerszámtábla";
inline constexpr const char* kCancel = "Mégse";
inline constexpr const char* kSaved = "Szerszámtábla mentve: ";
}  // namespace tooleditor

// What the status line says after a save: the file, and the earlier one kept beside it.
std::string savedNotice(const ToolBook& book);

class ToolTableEditor {
public:
    // The book's table as it stands; nothing changes in the book until save().
    ToolTableEditor(ToolBook& book, char separator);

    int rows() const { return static_cast<int>(rows_.size()); }
    const std::string& cell(int row, int column) const { return rows_.at(row).cell.at(column); }
    void setCell(int row, int column, std::string text);
    // A new tool at the end, numbered one above the highest; returns its row.
    int addRow();
    void removeRow(int row);
    // Every tool checked, then written and taken by the book (the pages' choices follow).
    // Throws TableError naming the tool at fault, and nothing is written. False when the user
    // would not save over a table that could not be read (nothing is written either).
    bool save(ui::Dialogs& dialogs);

private:
    ToolBook& book_;
    char separator_;
    std::vector<tools::Tool> rows_;  // numbers in the run's separator
};

}  // namespace qorix
