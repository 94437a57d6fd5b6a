// The one place where a user event ends when something fails that no check catches (a field
// text that is no number, a file that cannot be written): its message is shown in a box and
// the program goes on.
#pragma once

#include <functional>

#include "ui/dialogs.h"

namespace ui {

inline constexpr const char* kFailureCaption = "QORIX varázslók";

// Runs one event. Returns false when it ended by a failure (after showing the message).
bool runEvent(Dialogs& dialogs, const std::function<void()>& event);

}  // namespace ui
