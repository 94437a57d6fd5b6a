#include <windows.h>

#include "platform/regional.h"

namespace qorix::platform {

// The user's own choice in the regional settings, which may differ from the language's.
char decimalSeparator() {
    wchar_t point[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, point, 8) == 0) return '.';
    return point[0] == L',' && point[1] == L'\0' ? ',' : '.';
}

}  // namespace qorix::platform
