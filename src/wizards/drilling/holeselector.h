// "Furat kiválasztó": one check box per hole of a drilling page's prepared pattern, standing
// where the hole lies in it. The user clears the holes to leave out and confirms with "Adat
// rendben", which writes the pattern's drill flags.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"
#include "wizards/common/services.h"
#include "wizards/drilling/holechoice.h"

namespace qorix {

class HoleSelectorDialog : public ui::Form {
public:
    static constexpr int kClientWidth = 584;
    static constexpr int kClientHeight = 561;
    static constexpr int kBoxHeight = 17;

    // The holes are the drilling page's own.
    HoleSelectorDialog(Services& services, HoleChoice& holes);

    // Shown without being modal; it becomes the active window.
    void Show();
    // An activation builds the boxes anew, all ticked, when the holes differ from the ones
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
    // A hole as its box shows it.
    struct Shown {
        std::array<long double, 2> offset;
        std::array<int, 2> place;
        bool operator==(const Shown&) const = default;
    };

    int boxWidth(int count) const;
    std::vector<Shown> currentHoles(int width) const;
    void tickAll(bool on);

    Services& services_;
    HoleChoice& holes_;
    std::vector<std::unique_ptr<ui::CheckBox>> boxes_;
    std::vector<Shown> shownHoles_;  // what the boxes were built from
};

}  // namespace qorix
