// The services of a run with the shared store, as the desktop program wires them: recorded
// message boxes, comma settings, and waits that are only recorded (QORIX answers a position
// request during its wait when a test asks it to).
#pragma once

#include "link/aboutbox.h"
#include "link/session.h"
#include "link/sleeper.h"
#include "support/answeringsleeper.h"
#include "ui/dialogs.h"
#include "wizards/common/numbertext.h"
#include "wizards/common/services.h"

namespace qorix::test {

struct StoreServices {
    ui::RecordingDialogs dialogs;
    NumberText num{','};
    AnsweringSleeper sleeper;
    AboutBox store{num, sleeper};
    Session& shared = store;
    Services services{dialogs, num, &store, &store};
};

}  // namespace qorix::test
