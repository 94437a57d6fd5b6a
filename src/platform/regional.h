// The decimal separator of the user's regional settings, read once at program start: from
// the system's regional settings on Windows, from the locale variables elsewhere.
#pragma once

#include <string_view>

namespace qorix::platform {

// ',' or '.': every other separator reads as '.'.
char decimalSeparator();

// The separator of a locale name such as "hu_HU.UTF-8" or "de_CH@euro", as the desktop's
// toolkit gives it (its language's own where the territory is not one of the language's).
char decimalSeparatorOfLocale(std::string_view name);

}  // namespace qorix::platform
