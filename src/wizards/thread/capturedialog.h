// What the thread repair page asks of the capture dialog ("Bemérés"). The dialog lives with
// the session it reads the position from; the page opens it and later finds the accepted
// position where it asked the dialog to put it.
#pragma once

#include "wizards/thread/threadvalues.h"

namespace qorix {

class CaptureDialog {
public:
    // Shown, "Adatok rendben" off, the box empty; an accepted position goes into `into`.
    virtual void showForCapture(CapturedPosition& into) = 0;
    // Whether QORIX is there to answer a position request (not a run without it).
    virtual bool asksMachine() const = 0;

protected:
    ~CaptureDialog() = default;
};

}  // namespace qorix
