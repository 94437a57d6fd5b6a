// "Furat kiválasztó": one check box per hole of the prepared bolt-circle table, standing
// where the hole lies on the circle. The user clears the holes to leave out and confirms
// with "Adat rendben", which writes the drill flags of the table.
#pragma once

#include <memory>
#include <vector>

#include "link/shared.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "wizards/common/services.h"

namespace qorix {

class TForm9 : public ui::Form {
public:
    static constexpr int kClientWidth = 584;
    static constexpr int kClientHeight = 561;
    // The boxes stand on this circle of the client area, whatever the real diameter.
    static constexpr int kCentre = 280;
    static constexpr int kRadius = 200;
    static constexpr int kBoxHeight = 17;

    explicit TForm9(Services& services);

    // Shown without being modal; it becomes the active window.
    void Show();
    // Every activation builds the boxes anew, all ticked.
    void FormActivate() { BuildHoleBoxes(); }
    void Button1Click() { BuildHoleBoxes(); }
    // Writes the drill flags from the boxes and hides the dialog.
    void Button2Click();
    void BuildHoleBoxes();

    // Box of hole i (1 .. the number of boxes), or null.
    ui::CheckBox* holeBox(int hole) const;
    int holeBoxCount() const { return static_cast<int>(boxes_.size()); }

    ui::Button Button1, Button2;

private:
    Services& services_;
    SharedValues& shared_;
    std::vector<std::unique_ptr<ui::CheckBox>> boxes_;
};

}  // namespace qorix
