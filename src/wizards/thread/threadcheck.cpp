#include "wizards/thread/threadcheck.h"

#include <stdexcept>
#include <utility>

namespace qorix {

ThreadCheckDialog::ThreadCheckDialog(Services& services)
    : ui::Form("ThreadCheckDialog", "Ellenőrzés"),
      Label1(this, "Label1", "Középpont adatok: "),
      Label2(this, "Label2"),
      Label3(this, "Label3"),
      Label4(this, "Label4"),
      Label17(this, "Label17"),
      Label11(this, "Label11", "Eltérések:"),
      Label5(this, "Label5"),
      Label7(this, "Label7"),
      Label8(this, "Label8"),
      Label5Caption(this, "Label5.caption", "X:"),
      Label7Caption(this, "Label7.caption", "Y:"),
      Label8Caption(this, "Label8.caption", "Menetszám:"),
      Label12(this, "Label12", "Kezdő pozíciók az adatok figyelembe vételével:"),
      Label9(this, "Label9"),
      Label10(this, "Label10"),
      Label13(this, "Label13"),
      Button1(this, "Button1", "Adatok rendben"),
      Button2(this, "Button2", "Újra beállítás"),
      num_(services.num) {
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    placeControls();
    // a correction moved while the dialog was open counts when the user comes back to it
    onActivate = [this] { FormActivate(); };
    setVisible(false);
}

// The centre data on the left, the deviations right of them, the start positions below, the
// two buttons top right. The controls reach past the form's 635 pixels (the window grows to
// them): its long lines need more room in the fonts this program meets than in the one those
// pixels were set for.
void ThreadCheckDialog::placeControls() {
    setClientSize(kClientWidth, kClientHeight);
    const std::pair<ui::Control*, ui::Bounds> places[] = {
        {&Label1, {8, 8, 150, 17}},          {&Label2, {8, 32, 480, 17}},
        {&Label3, {8, 54, 480, 17}},         {&Label4, {8, 76, 220, 17}},
        {&Label17, {240, 76, 220, 17}},      {&Label11, {500, 8, 100, 17}},
        {&Label5Caption, {500, 32, 80, 17}}, {&Label5, {584, 32, 90, 17}},
        {&Label7Caption, {500, 54, 80, 17}}, {&Label7, {584, 54, 90, 17}},
        {&Label8Caption, {500, 76, 80, 17}}, {&Label8, {584, 76, 90, 17}},
        {&Label12, {8, 112, 400, 17}},       {&Label9, {8, 134, 200, 17}},
        {&Label10, {8, 154, 200, 17}},       {&Label13, {8, 174, 200, 17}},
        {&Button1, {680, 8, 112, 25}},       {&Button2, {680, 39, 112, 25}},
    };
    for (const auto& [control, bounds] : places) control->setBounds(bounds);
}

void ThreadCheckDialog::showCheck() {
    present();
    FormActivate();
}

void ThreadCheckDialog::FormActivate() {
    ThreadRepairValues& v = handshake().values;
    v.ComputeThreadStart();
    v.ComputeStartX();
    auto n = [this](long double value) { return num_.f4(value); };
    Label2.setCaption(" X tengely középpontnál: " + n(v.x) + "  X mért pont: " + n(v.measuredX) +
                      "  Számított: " + n(v.computedX));
    Label3.setCaption(" Y tengely középpontnál: " + n(v.y) + "  Y mért pont: " + n(v.measuredY) +
                      "  Számított: " + n(v.computedY));
    Label4.setCaption("Z tengely kezdőpont: " + n(v.z));
    Label17.setCaption("Z mért pont: " + n(v.measuredZ));
    Label5.setCaption(n(v.measuredX - v.computedX) + " mm");
    Label7.setCaption(n(v.measuredY - v.computedY) + " mm");
    Label8.setCaption(num_.fixed(v.turns, 2) + " menet");
    Label9.setCaption("X" + n(v.startX));
    Label10.setCaption("Y" + n(v.y));
    Label13.setCaption("Z" + n(v.helixStartZ));
    // Data that failed a check of the page would give a program for values the user never
    // entered; only "Újra beállítás" leads on from there.
    Button1.setEnabled(v.error == 0);
}

void ThreadCheckDialog::Button1Click() {
    handshake().checkResult = 1;
    setVisible(false);
}

void ThreadCheckDialog::Button2Click() {
    handshake().checkResult = 2;
    setVisible(false);
}

ThreadHandshake& ThreadCheckDialog::handshake() const {
    if (!handshake_) throw std::logic_error("the centre check is attached to no thread page");
    return *handshake_;
}

}  // namespace qorix
