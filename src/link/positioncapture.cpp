#include "link/positioncapture.h"

#include <stdexcept>

#include "link/aboutbox.h"
#include "wizards/common/messages.h"

namespace qorix {

namespace {
AboutBox& storeOf(Services& services) {
    if (!services.store)
        throw std::invalid_argument("PositionCaptureDialog: the shared store is missing");
    return *services.store;
}
}  // namespace

PositionCaptureDialog::PositionCaptureDialog(Services& services)
    : ui::Form("PositionCaptureDialog", "Bemérés"),
      Button1(this, "Button1", "XYZ értékek beolvasása"),
      Label1(this, "Label1", "X pozíció:"),
      Label2(this, "Label2", "Y pozíció:"),
      Label3(this, "Label3", "Z pozíció:"),
      Memo1(this, "Memo1"),
      Button2(this, "Button2", "Adatok rendben"),
      store_(storeOf(services)),
      dialogs_(services.dialogs) {
    Button2.setEnabled(false);
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    setVisible(false);
}

void PositionCaptureDialog::showForCapture(CapturedPosition& into) {
    into_ = &into;
    present();
    Button2.setEnabled(false);
    Memo1.clear();
}

void PositionCaptureDialog::Button1Click() {
    Memo1.clear();
    // a failed reading ends here: the box stays empty and "Adatok rendben" as it was
    store_.ReadGetXYZ();
    Memo1.setLines({store_.xPosText, store_.yPosText, store_.zPosText});
    Button2.setEnabled(true);
    if (!store_.positionNote.empty()) dialogs_.message(msg::kWarningCaption, store_.positionNote);
}

void PositionCaptureDialog::Button2Click() {
    if (into_) *into_ = {.accepted = true, .x = store_.xPos, .y = store_.yPos, .z = store_.zPos};
    setVisible(false);
}

bool PositionCaptureDialog::asksMachine() const { return !store_.standalone; }

}  // namespace qorix
