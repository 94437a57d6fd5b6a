#include "ui/event.h"

#include <exception>

namespace ui {

bool runEvent(Dialogs& dialogs, const std::function<void()>& event) {
    try {
        event();
        return true;
    } catch (const std::exception& failure) {
        dialogs.message(kFailureCaption, failure.what());
    } catch (...) {
        dialogs.message(kFailureCaption, "Ismeretlen hiba történt.");
    }
    return false;
}

}  // namespace ui
