// What every window and page is given when it is made: the dialogs of the front end, the
// run's number text and, where the program has one, the shared store.
#pragma once

#include "ui/dialogs.h"
#include "wizards/common/numbertext.h"

namespace qorix {

class AboutBox;
struct SharedValues;

struct Services {
    ui::Dialogs& dialogs;
    const NumberText& num;
    AboutBox* store = nullptr;       // the store window with its exchange routines
    SharedValues* shared = nullptr;  // the store's values
};

}  // namespace qorix
