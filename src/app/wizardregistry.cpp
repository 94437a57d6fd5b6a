#include "app/wizardregistry.h"

#include "app/boltcirclewizard.h"
#include "app/pagewizard.h"
#include "app/threadrepairwizard.h"
#include "wizards/contour/circularpocket.h"
#include "wizards/contour/cutcircle.h"
#include "wizards/contour/cutrectangle.h"
#include "wizards/contour/rectanglepocket.h"
#include "wizards/spiral/fibonacci.h"

namespace qorix {

namespace {
template <class Page>
WizardEntry entry(const char* slug) {
    return WizardEntry{slug, [](Services& s) { return std::make_unique<PageWizard<Page>>(s); }};
}
}  // namespace

const std::vector<WizardEntry>& wizardRegistry() {
    static const std::vector<WizardEntry> entries = {
        entry<TFrame2>("fibonacci"),
        entry<TFrame3>("circular-pocket"),
        entry<TFrame4>("rectangle-pocket"),
        entry<TFrame5>("cut-circle"),
        entry<TFrame7>("cut-rectangle"),
        WizardEntry{"bolt-circle",
                    [](Services& s) { return std::make_unique<BoltCircleWizard>(s); }},
        WizardEntry{"thread-repair",
                    [](Services& s) { return std::make_unique<ThreadRepairWizard>(s); }},
    };
    return entries;
}

const WizardEntry* findWizard(const std::string& slug) {
    for (const auto& e : wizardRegistry())
        if (e.slug == slug) return &e;
    return nullptr;
}

}  // namespace qorix
