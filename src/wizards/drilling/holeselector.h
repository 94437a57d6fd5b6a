// "Furat kiválasztó": one check box per hole of the prepared bolt-circle table, standing
// where the hole lies on the circle. The user clears the holes to leave out and confirms
// with "Adat rendben", which writes the drill flags of the table.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"
#include "wizards/common/services.h"
#include "wizards/drilling/drillingvalues.h"

namespace qorix {

class HoleSelectorDialog : public ui::Form {
public:
    static constexpr int kClientWidth = 584;
    static constexpr int kClientHeight = 561;
    // The boxes stand on this circle of the client area, whatever the real diameter.
    static constexpr int kCentre = 280;
    static constexpr int kRadius = 200;
    static constexpr int kBoxHeight = 17;

    // The table is the bolt-circle page's own.
    HoleSelectorDialog(Services& services, DrillingValues& values);

    // Shown without being modal; it becomes the active window.
    void Show();
    // An activation builds the boxes anew, all ticked, when the table differs from the one
    // the boxes show; otherwise the ticks the user cleared and has not confirmed yet stay.
    void FormActivate();
    void Button1Click() { BuildHoleBoxes(); }
    // Writes the drill flags from the boxes and hides the dialog.
    void Button2Click();
    // "Mind" ticks every box, "Egyik sem" clears every box; the flags wait for "Adat rendben".
    void Button3Click() { tickAll(true); }
    void Button4Click() { tickAll(false); }
    void BuildHoleBoxes();

    // Box of hole i (1 .. the number of boxes), or null.
    ui::CheckBox* holeBox(int hole) const;
    int holeBoxCount() const { return static_cast<int>(boxes_.size()); }

    ui::Button Button1, Button2, Button3, Button4;

private:
    Services& services_;
    DrillingValues& values_;
    std::vector<std::unique_ptr<ui::CheckBox>> boxes_;
    // The holes (count, offsets and directions) the boxes were built from.
    std::vector<std::array<long double, 4>> shownHoles_;
    std::vector<std::array<long double, 4>> currentHoles() const;
    void tickAll(bool on);
};

}  // namespace qorix
