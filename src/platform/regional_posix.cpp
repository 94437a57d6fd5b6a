#include <cstdlib>

#include "platform/regional.h"

namespace qorix::platform {

// The numbers' locale: LC_ALL, else LC_NUMERIC, else LANG, else C.
char decimalSeparator() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return decimalSeparatorOfLocale(value);
    }
    return '.';
}

}  // namespace qorix::platform
