#include "wizards/drilling/holeselector.h"

#include <algorithm>

#include "wizards/common/numbertext.h"

namespace qorix {

namespace {

// A box as wide as its caption: the offsets, the hole's number, or nothing.
constexpr int kOffsetsWidth = 120, kNumberWidth = 30, kBareWidth = 10;

}  // namespace

HoleSelectorDialog::HoleSelectorDialog(Services& services, HoleChoice& holes)
    : ui::Form("HoleSelectorDialog", "Furat kiválasztó"),
      Button1(this, "Button1", "Újra olvas"),
      Button2(this, "Button2", "Adat rendben"),
      Button3(this, "Button3", "Mind"),
      Button4(this, "Button4", "Egyik sem"),
      services_(services),
      holes_(holes) {
    Button1.setBounds({432, 8, 144, 25});
    Button2.setBounds({432, 39, 144, 25});
    // bottom right, where no box of a pattern reaches
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
// holes the user had just cleared; only changed holes need new boxes.
void HoleSelectorDialog::FormActivate() {
    const int count = std::max(holes_.preparedCount(), 0);
    if (currentHoles(boxWidth(count)) != shownHoles_) BuildHoleBoxes();
}

// Up to 12 holes show their offsets, up to 40 their numbers; a pattern whose boxes stand
// closer than that gets the next narrower box.
int HoleSelectorDialog::boxWidth(int count) const {
    int width = count <= 12 ? kOffsetsWidth : count <= 40 ? kNumberWidth : kBareWidth;
    if (width == kOffsetsWidth && !holes_.roomFor(width)) width = kNumberWidth;
    if (width == kNumberWidth && !holes_.roomFor(width)) width = kBareWidth;
    return width;
}

std::vector<HoleSelectorDialog::Shown> HoleSelectorDialog::currentHoles(int width) const {
    const int count = std::max(holes_.preparedCount(), 0);
    std::vector<Shown> shown;
    shown.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) shown.push_back({holes_.offset(i), holes_.boxPlace(i, width)});
    return shown;
}

void HoleSelectorDialog::Show() {
    present();
    BuildHoleBoxes();
}

void HoleSelectorDialog::BuildHoleBoxes() {
    boxes_.clear();
    const int count = std::max(holes_.preparedCount(), 0);
    const int width = boxWidth(count);
    shownHoles_ = currentHoles(width);
    for (int i = 1; i <= count; ++i) {
        const Shown& hole = shownHoles_[static_cast<std::size_t>(i - 1)];
        std::string caption;
        if (width == kOffsetsWidth)
            caption =
                "X" + services_.num.f4(hole.offset[0]) + " Y" + services_.num.f4(hole.offset[1]);
        else if (width == kNumberWidth)
            caption = NumberText::whole(i) + ".";
        auto box =
            std::make_unique<ui::CheckBox>(this, "CheckBox" + NumberText::whole(i), caption, true);
        // a bare box has no room for a caption: its number shows on the pointer
        box->setHint(NumberText::whole(i) + ". furat");
        box->setBounds({hole.place[0], hole.place[1], width, kBoxHeight});
        boxes_.push_back(std::move(box));
    }
    controlsChanged();
}

void HoleSelectorDialog::Button2Click() {
    // Holes beyond the boxes (a pattern prepared after the last build) keep their flags.
    const int count = std::min(holes_.preparedCount(), holeBoxCount());
    for (int i = 1; i <= count; ++i) holes_.setDrilled(i, holeBox(i)->checked());
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
