// What every window and page is given when it is made: the dialogs of the front end, the
// run's number text and, where the program has them, the session and the About window.
#pragma once

#include "ui/dialogs.h"
#include "wizards/common/numbertext.h"

namespace qorix {

class AboutBox;
struct Session;

struct Services {
    ui::Dialogs& dialogs;
    const NumberText& num;
    // The windows above the pages (the main window, the capture dialog) reach the run's
    // session and its exchange routines through these; no page does.
    AboutBox* store = nullptr;   // the About window with the exchange routines
    Session* session = nullptr;  // the run's session
};

}  // namespace qorix
