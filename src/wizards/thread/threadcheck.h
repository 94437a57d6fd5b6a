// "Ellenőrzés": the thread centre check. On activation it computes, from the stored thread
// values, where the tool centre should sit in the groove at the measured angle, how far the
// measured point lies from it, and where the program will start. The user accepts the data
// or goes back to adjusting; the answer goes into the handshake, which the thread repair
// page polls.
#pragma once

#include "ui/controls.h"
#include "ui/form.h"
#include "wizards/common/services.h"
#include "wizards/thread/threadvalues.h"

namespace qorix {

class ThreadCheckDialog : public ui::Form {
public:
    static constexpr int kClientWidth = 635, kClientHeight = 198;

    // The dialog starts hidden; it works on the handshake of the page it is attached to.
    explicit ThreadCheckDialog(Services& services);
    void attach(ThreadHandshake& handshake) { handshake_ = &handshake; }

    // Shown without being modal; showing it activates it.
    void showCheck();
    // Every activation: ComputeThreadStart, the start X, then the texts. "Adatok rendben"
    // is offered only for data that passed the page's checks.
    void FormActivate();
    // "Adatok rendben": check flag 1, and the dialog closes.
    void Button1Click();
    // "Újra beállítás": check flag 2, and the dialog closes.
    void Button2Click();

    ui::Label Label1, Label2, Label3, Label4, Label17;
    ui::Label Label11, Label5, Label7, Label8;
    // What each deviation line holds: X, Y, the turn count (fixed texts before the values).
    ui::Label Label5Caption, Label7Caption, Label8Caption;
    ui::Label Label12, Label9, Label10, Label13;
    ui::Button Button1, Button2;

private:
    void placeControls();

    ThreadHandshake& handshake() const;

    ThreadHandshake* handshake_ = nullptr;
    const NumberText& num_;
};

}  // namespace qorix
