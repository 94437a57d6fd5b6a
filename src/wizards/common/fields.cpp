#include "wizards/common/fields.h"

#include "wizards/common/messages.h"

namespace qorix {

bool FieldReader::emptyOrZero(const ui::Edit& edit) const {
    return edit.text().empty() || number(edit) == 0;
}

bool FieldReader::emptyOrZeroWhole(const ui::Edit& edit) const {
    return edit.text().empty() || whole(edit) == 0;
}

void FieldReader::fillEmpty(ui::Edit& edit, const char* text) {
    if (edit.text().empty()) edit.setText(text);
}

void FieldReader::error(const std::string& text) const { error(msg::kErrorCaption, text); }

void FieldReader::error(const std::string& caption, const std::string& text) const {
    error_ = 1;
    services_.dialogs.message(caption, text);
}

void FieldReader::warning(const std::string& text) const {
    services_.dialogs.message(msg::kWarningCaption, text);
}

}  // namespace qorix
