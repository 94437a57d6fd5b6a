// Reading fields into a page's record: conversions through the run's number text, and the
// message boxes of failed checks.
#pragma once

#include <cstdint>
#include <string>

#include "ui/controls.h"
#include "wizards/common/services.h"

namespace qorix {

class FieldReader {
public:
    FieldReader(Services& services, bool& errorFlag) : services_(services), error_(errorFlag) {}

    // A text that is no number throws, with the field's name added to the message: an empty
    // field shows as „”, which alone does not say which one it is.
    long double number(const ui::Edit& edit) const;
    std::int32_t whole(const ui::Edit& edit) const;
    // Empty, or a number equal to 0. A text that is no number throws.
    bool emptyOrZero(const ui::Edit& edit) const;
    bool emptyOrZeroWhole(const ui::Edit& edit) const;
    // An empty field is given the text "0", or the text given.
    static void fillEmpty(ui::Edit& edit, const char* text = "0");

    // A failed check: its box with the error caption, and the error flag.
    void error(const std::string& text) const;
    // The same under a caption of the page's own.
    void error(const std::string& caption, const std::string& text) const;
    // A warning that lets the run go on.
    void warning(const std::string& text) const;

    Services& services() const { return services_; }

private:
    Services& services_;
    bool& error_;
};

}  // namespace qorix
