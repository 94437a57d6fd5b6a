// "Bemérés": takes the machine's current position from QORIX as a measured point. The user
// jogs the machine in QORIX, reads the position here, looks at it and accepts it; the
// dialog hands the accepted position to the page that opened it.
#pragma once

#include "ui/controls.h"
#include "ui/form.h"
#include "wizards/common/services.h"
#include "wizards/thread/capturedialog.h"

namespace qorix {

class AboutBox;

class PositionCaptureDialog : public ui::Form, public CaptureDialog {
public:
    // The store must be given; the dialog starts hidden.
    explicit PositionCaptureDialog(Services& services);

    // How the thread repair page opens it: shown, "Adatok rendben" off, the box empty.
    void showForCapture(CapturedPosition& into) override;
    bool asksMachine() const override;

    // "XYZ értékek beolvasása": a fresh reading replaces the three lines. A position that
    // QORIX did not answer (the file missing, unreadable or older than the request) is shown
    // as read, with a warning that says so.
    void Button1Click();
    // "Adatok rendben": the position read goes to the page as accepted; the dialog closes.
    void Button2Click();

    ui::Button Button1;
    ui::Label Label1, Label2, Label3;
    ui::Memo Memo1;
    ui::Button Button2;

private:
    AboutBox& store_;
    ui::Dialogs& dialogs_;
    CapturedPosition* into_ = nullptr;
};

}  // namespace qorix
