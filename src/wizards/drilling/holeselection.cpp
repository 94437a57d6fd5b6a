#include "wizards/drilling/holeselection.h"

#include "wizards/drilling/holeselector.h"

namespace qorix {

ui::RadioGroup::Spec HoleSelection::groupSpec() {
    return {" Furat kiválasztó ", {"Minden furat", "Furat kiválasztás", "Újra választ"}};
}

HoleSelection::HoleSelection(ui::RadioGroup& group, HoleChoice& holes, std::string dropped,
                             Page page)
    : group_(group), holes_(holes), dropped_(std::move(dropped)), page_(std::move(page)) {}

void HoleSelection::setItems(bool chooseEnabled) {
    group_.setItemEnabled(1, chooseEnabled);
    group_.setItemEnabled(2, !chooseEnabled);
}

void HoleSelection::clicked() {
    if (group_.itemIndex() == 0) {
        selectedOn_.reset();
        holes_.forget();
        setItems(true);
        page_.output->clear();
        return;
    }
    // Both selection items prepare the holes afresh, every one flagged, and open the
    // selector, even when a check failed: the holes then come from the values kept.
    page_.readAndPrepare();
    selectedOn_ = page_.pattern();
    page_.output->clear();
    setItems(group_.itemIndex() == 2);
    if (selector_) selector_->Show();
}

// The group shows again what the program does, and the status line says why.
void HoleSelection::drop() {
    selectedOn_.reset();
    auto click = std::move(group_.onClick);
    group_.setItemIndex(0);
    group_.onClick = std::move(click);
    setItems(true);
    page_.notice(dropped_);
}

void HoleSelection::press(const std::function<void()>& create) {
    pressing_ = true;
    create();
    pressing_ = false;
}

void HoleSelection::prepare(const std::function<void()>& build) {
    if (!pressing_ || !inForce()) return build();
    if (page_.pattern() != *selectedOn_) {
        build();
        return drop();
    }
    std::vector<bool> chosen;
    for (int i = 1; i <= holes_.preparedCount(); ++i) chosen.push_back(holes_.drilled(i));
    build();
    // the same pattern has the same holes
    for (std::size_t i = 0; i < chosen.size() && i < std::size_t(holes_.preparedCount()); ++i)
        holes_.setDrilled(static_cast<int>(i + 1), chosen[i]);
}

void HoleSelection::written() {
    if (!inForce()) holes_.forget();
}

}  // namespace qorix
