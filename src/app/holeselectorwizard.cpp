#include "app/holeselectorwizard.h"

#include <charconv>
#include <stdexcept>

namespace qorix {

namespace {

// "1,3,5" (an empty list leaves every hole out); nullopt when it is not such a list.
std::optional<std::vector<int>> holeList(const std::string& text) {
    std::vector<int> holes;
    if (text.empty()) return holes;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        int v = 0;
        const char* first = text.data() + start;
        const char* last = text.data() + end;
        auto r = std::from_chars(first, last, v);
        if (first == last || r.ec != std::errc() || r.ptr != last) return std::nullopt;
        holes.push_back(v);
        if (end == text.size()) return holes;
        start = end + 1;
    }
}

// The page's " Furat kiválasztó " group, by its key.
ui::RadioGroup& holeGroup(WizardPage& page) {
    auto* group = page.findAs<ui::RadioGroup>("RadioGroup1");
    if (!group) throw std::logic_error(page.formName() + " has no hole selector group");
    return *group;
}

}  // namespace

HoleSelectorWizard::HoleSelectorWizard(const Wizard& wizard, Services& services)
    : made_(wizard.page(services)),
      dialogs_(wizard.dialogs(*made_, services)),
      group_(holeGroup(*made_)),
      selector_(madeAs<HoleSelectorDialog>(*dialogs_.at(0))) {}

bool HoleSelectorWizard::option(const std::string& arg, std::string& problem) {
    const std::string prefix = "--holes=";
    if (arg.rfind(prefix, 0) != 0) return false;
    holes_ = holeList(arg.substr(prefix.size()));
    if (!holes_) problem = "furatszámok vesszővel elválasztva kellenek";
    return true;
}

std::string HoleSelectorWizard::beforePress() {
    if (!holes_) return {};
    // After one selection the group offers "Újra választ" in its place.
    group_.setItemIndex(group_.itemEnabled(1) ? 1 : 2);
    // A failed check stops the press that follows, with its own messages.
    if (made_->errorFlag()) return {};
    const int count = selector_.holeBoxCount();
    std::vector<bool> listed(static_cast<std::size_t>(count) + 1, false);
    for (int h : *holes_) {
        if (h < 1 || h > count)
            return "nincs " + std::to_string(h) + ". furat: a furatok száma " +
                   std::to_string(count);
        listed[static_cast<std::size_t>(h)] = true;
    }
    for (int i = 1; i <= count; ++i)
        selector_.holeBox(i)->setChecked(listed[static_cast<std::size_t>(i)]);
    selector_.Button2.click();
    return {};
}

}  // namespace qorix
