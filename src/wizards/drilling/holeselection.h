// The " Furat kiválasztó " group of a drilling page ("Minden furat", "Furat kiválasztás",
// "Újra választ") and the selection it keeps. Choosing holes prepares the pattern with every
// hole flagged and opens the selector. A selection stays in force for every press for as long
// as the pattern it was made on stays the same; on another pattern the holes it named are
// gone, every hole is drilled, the group shows "Minden furat" again and the status line says
// why.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "wizards/drilling/holechoice.h"

namespace qorix {

class HoleSelectorDialog;

class HoleSelection {
public:
    // What the holes' places depend on, compared number by number.
    using Pattern = std::vector<long double>;
    // What the selection asks of its page.
    struct Page {
        std::function<void()> readAndPrepare;  // ReadParameters and PrepareValues
        std::function<Pattern()> pattern;      // of the last reading
        std::function<void(const std::string&)> notice;
        ui::Memo* output = nullptr;
    };

    // The group's caption and items, the same on every drilling page.
    static ui::RadioGroup::Spec groupSpec();

    // `dropped` is the status line's text when another pattern ends a selection.
    HoleSelection(ui::RadioGroup& group, HoleChoice& holes, std::string dropped, Page page);

    // The dialog the group opens; none in a run without one.
    void setSelector(HoleSelectorDialog* selector) { selector_ = selector; }
    // The group's click.
    void clicked();
    // What the main window does when the page is chosen in its list.
    void selectedInList() { group_.setItemEnabled(2, false); }
    // Whether the group's selection item is chosen over a pattern that still holds.
    bool inForce() const { return group_.itemIndex() != 0 && selectedOn_.has_value(); }

    // A press of "Létrehozás": only a press keeps the flags of a selection.
    void press(const std::function<void()>& create);
    // The page's PrepareValues: `build` prepares the holes, all flagged; during a press on
    // the pattern of a selection in force the flags are kept.
    void prepare(const std::function<void()>& build);
    // After a program is written: without a selection the next press (and the selector)
    // starts from no prepared pattern.
    void written();

private:
    void drop();
    void setItems(bool chooseEnabled);

    ui::RadioGroup& group_;
    HoleChoice& holes_;
    std::string dropped_;
    Page page_;
    HoleSelectorDialog* selector_ = nullptr;
    std::optional<Pattern> selectedOn_;  // the pattern of the holes the selector shows
    bool pressing_ = false;
};

}  // namespace qorix
