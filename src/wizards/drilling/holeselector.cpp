#include "wizards/drilling/holeselector.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "wizards/common/numbertext.h"

namespace qorix {

namespace {

// A product taken to the nearest pixel, halves away from zero.
int pixels(long double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

HoleSelectorDialog::HoleSelectorDialog(Services& services, DrillingValues& values)
    : ui::Form("HoleSelectorDialog", "Furat kiválasztó"),
      Button1(this, "Button1", "Újra olvas"),
      Button2(this, "Button2", "Adat rendben"),
      Button3(this, "Button3", "Mind"),
      Button4(this, "Button4", "Egyik sem"),
      services_(services),
      values_(values) {
    Button1.setBounds({432, 8, 144, 25});
    Button2.setBounds({432, 39, 144, 25});
    // bottom right, where no box of the circle reaches
    Button3.setBounds({432, 498, 144, 25});
    Button4.setBounds({432, 529, 144, 25});
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
    Button4.onClick = [this] { Button4Click(); };
    setClientSize(kClientWidth, kClientHeight);
    onActivate = [this] { FormActivate(); };
    setVisible(false);
}

// Switching to another window and back used to tick every box again, silently dropping the
// holes the user had just cleared; only a changed table needs new boxes.
void HoleSelectorDialog::FormActivate() {
    if (currentHoles() != shownHoles_) BuildHoleBoxes();
}

std::vector<std::array<long double, 4>> HoleSelectorDialog::currentHoles() const {
    const int count = std::clamp(values_.preparedCount, 0, 1000);
    std::vector<std::array<long double, 4>> holes;
    holes.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) {
        const auto& hole = values_.table[i];
        holes.push_back({hole[1], hole[2], hole[3], hole[4]});
    }
    return holes;
}

void HoleSelectorDialog::Show() {
    present();
    BuildHoleBoxes();
}

void HoleSelectorDialog::BuildHoleBoxes() {
    boxes_.clear();
    shownHoles_ = currentHoles();
    const int count = std::clamp(values_.preparedCount, 0, 1000);
    const int width = count <= 12 ? 120 : count <= 40 ? 30 : 10;
    for (int i = 1; i <= count; ++i) {
        const auto& hole = values_.table[i];
        std::string caption;
        if (count <= 12)
            caption = "X" + services_.num.f4(hole[1]) + " Y" + services_.num.f4(hole[2]);
        else if (count <= 40)
            caption = NumberText::whole(i) + ".";
        auto box =
            std::make_unique<ui::CheckBox>(this, "CheckBox" + NumberText::whole(i), caption, true);
        // from 41 holes on a box has no room for a caption: its number shows on the pointer
        box->setHint(NumberText::whole(i) + ". furat");
        box->setBounds({kCentre + pixels(kRadius * hole[3]), kCentre - pixels(kRadius * hole[4]),
                        width, kBoxHeight});
        boxes_.push_back(std::move(box));
    }
    controlsChanged();
}

void HoleSelectorDialog::Button2Click() {
    // Holes beyond the boxes (a table prepared after the last build) keep their flags.
    const int count = std::min(values_.preparedCount, holeBoxCount());
    for (int i = 1; i <= count; ++i) values_.drillFlags[i] = holeBox(i)->checked();
    setVisible(false);
}

void HoleSelectorDialog::tickAll(bool on) {
    for (auto& box : boxes_) box->setChecked(on);
}

ui::CheckBox* HoleSelectorDialog::holeBox(int hole) const {
    if (hole < 1 || hole > holeBoxCount()) return nullptr;
    return boxes_[hole - 1].get();
}

}  // namespace qorix
