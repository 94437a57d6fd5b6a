#include "app/tooleditor.h"

#include "wizards/common/numbertext.h"

namespace qorix {

namespace {

bool isNumberColumn(int column) { return column != tools::Column::name; }

}  // namespace

ToolTableEditor::ToolTableEditor(ToolBook& book, char separator)
    : book_(book), separator_(separator), rows_(book.table()) {
    const NumberText num(separator_);
    for (tools::Tool& t : rows_)
        for (int c = 0; c < tools::kColumns; ++c)
            if (isNumberColumn(c)) t.cell[c] = num.fromSeparator(t.cell[c], '.');
}

void ToolTableEditor::setCell(int row, int column, std::string text) {
    rows_.at(row).cell.at(column) = std::move(text);
}

int ToolTableEditor::addRow() {
    int highest = 0;
    for (const tools::Tool& t : rows_) highest = std::max(highest, t.toolNumber());
    tools::Tool tool;
    tool.cell[tools::Column::number] = std::to_string(highest + 1);
    rows_.push_back(std::move(tool));
    return rows() - 1;
}

void ToolTableEditor::removeRow(int row) { rows_.erase(rows_.begin() + row); }

bool ToolTableEditor::save(ui::Dialogs& dialogs) {
    const NumberText dot('.');
    tools::Table table = rows_;
    for (tools::Tool& t : table)
        for (int c = 0; c < tools::kColumns; ++c)
            if (isNumberColumn(c)) t.cell[c] = dot.fromSeparator(t.cell[c], ',');
    return book_.replace(std::move(table), dialogs);
}

std::string savedNotice(const ToolBook& book) {
    std::string notice = tooleditor::kSaved + book.path();
    if (!book.backup().empty()) notice += " (a régi fájl megmaradt: " + book.backup() + ")";
    return notice;
}

}  // namespace qorix
