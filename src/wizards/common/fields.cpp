#include "wizards/common/fields.h"

#include "wizards/common/errors.h"
#include "wizards/common/messages.h"

namespace qorix {

namespace {

// The field's caption as a name: "Szerszám átmérő:" gives "Szerszám átmérő".
std::string fieldName(const ui::Edit& edit) {
    std::string name = edit.caption();
    while (!name.empty() && (name.back() == ' ' || name.back() == ':' || name.back() == '+'))
        name.pop_back();
    return name.empty() ? edit.name() : name;
}

template <class Read>
auto named(const ui::Edit& edit, Read read) {
    try {
        return read();
    } catch (const ConversionError& failure) {
        throw ConversionError(std::string(failure.what()) + " (mező: " + fieldName(edit) + ")");
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
    error_ = 1;
    services_.dialogs.message(caption, text);
}

void FieldReader::warning(const std::string& text) const {
    services_.dialogs.message(msg::kWarningCaption, text);
}

}  // namespace qorix
