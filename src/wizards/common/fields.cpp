#include "wizards/common/fields.h"

#include "wizards/common/errors.h"
#include "wizards/common/messages.h"

namespace qorix {

namespace {

template <class Read>
auto named(const ui::Edit& edit, Read read) {
    try {
        return read();
    } catch (const ConversionError& failure) {
        throw ConversionError(std::string(failure.what()) + " (mező: " + edit.fieldName() + ")");
    }
}

}  // namespace

long double FieldReader::number(const ui::Edit& edit) const {
    return named(edit, [&] { return services_.num.toFloat(edit.text()); });
}

std::int32_t FieldReader::whole(const ui::Edit& edit) const {
    return named(edit, [&] { return services_.num.toInt(edit.text()); });
}

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
    error_ = true;
    services_.dialogs.message(caption, text);
}

void FieldReader::warning(const std::string& text) const {
    services_.dialogs.message(msg::kWarningCaption, text);
}

}  // namespace qorix
