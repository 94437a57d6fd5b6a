// "Menet javítás (thread repair)": re-cuts a damaged thread with a thread-milling tool, in
// full circles that each descend one pitch around the thread centre, in radial passes of
// equal depth. The cut must run in the old groove, so the page works in three steps: the
// position of the tool sitting in an intact part of the groove is captured ("Bemérés"), the
// data are checked against it ("Ellenőrzés"), and only after the check was accepted is
// "Létrehozás" enabled. The page owns its values and shares them with its two dialogs.
#pragma once

#include "wizards/common/page.h"
#include "wizards/thread/capturedialog.h"

namespace qorix {

class ThreadCheckDialog;

class ThreadRepairPage : public WizardPage, public CommonControls {
public:
    explicit ThreadRepairPage(Services& services);
    // The capture and check dialogs, created by the main window at start.
    void connectDialogs(CaptureDialog& capture, ThreadCheckDialog& check);

    void ReadParameters() override;
    void PrepareValues() override;
    void WriteHeaderComments() override;
    void GenerateProgram() override;
    // An empty line, the header and the program, appended after the check's listing; it
    // works on the values stored by the last check. A pass that would need more circles than
    // allowed is refused before a line is written, and the lines go through the guard of
    // every page (numbers the machine cannot read, failures half way).
    void CreateProgram() override;

    bool seriesFlag() const override { return false; }
    PageFacts pageFacts() const override;
    bool errorFlag() const override { return values().error != 0; }

    // "Létrehozás": the program, then the buttons of a new measurement and check.
    void Button1Click();
    void Button2Click() { Memo1.clear(); }
    void Button3Click();  // "Bemérés"
    void Button4Click();  // "Ellenőrzés"
    void Timer1Timer();   // takes over an accepted capture
    void Timer2Timer();   // takes over the answer of the check dialog
    void ScrollBar1Change();
    void ScrollBar2Change();

    ThreadRepairValues& values() { return handshake_.values; }
    const ThreadRepairValues& values() const { return handshake_.values; }
    // What the page and its dialogs hand each other.
    ThreadHandshake& handshake() { return handshake_; }

    ui::Edit Edit_Xpos_, Edit_Ypos_, Edit_Zpos_;
    ui::Edit Edit_zm_, Edit_r_, Edit_ml_;
    ui::ScrollBar ScrollBar1;
    ui::Label Label19;
    ui::ScrollBar ScrollBar2;
    ui::Label Label20;
    ui::RadioGroup RadioGroup_cs_, RadioGroup_cw_;
    ui::Edit Edit_g23_;
    ui::Button Button4, Button3;
    ui::Timer Timer1, Timer2;
    ui::Image Image1;

private:
    void readDimensions(const FieldReader& read);
    void listReading();
    void leaveTheGroove(ProgramText& t) const;
    void writePass(ProgramText& t, long double x, std::int32_t circles);
    long double correction(const ui::ScrollBar& bar) const;
    bool hostMode() const;

    ThreadHandshake handshake_;
    CommonInputs inputs_;
    void checkFollowsCorrection();
    CaptureDialog* capture_ = nullptr;
    ThreadCheckDialog* check_ = nullptr;
};

}  // namespace qorix
