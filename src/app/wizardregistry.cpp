#include "app/wizardregistry.h"

#include "app/pagewizard.h"
#include "app/wizardtable.h"

namespace qorix {

const std::vector<WizardEntry>& wizardRegistry() {
    static const std::vector<WizardEntry> entries = [] {
        std::vector<WizardEntry> made;
        for (const Wizard& w : wizardTable()) {
            if (w.slug.empty()) continue;
            made.push_back(WizardEntry{w.slug, [&w](Services& s) -> std::unique_ptr<CliWizard> {
                                           if (w.cli) return w.cli(w, s);
                                           return std::make_unique<PageWizard>(w, s);
                                       }});
        }
        return made;
    }();
    return entries;
}

const WizardEntry* findWizard(const std::string& slug) {
    for (const auto& e : wizardRegistry())
        if (e.slug == slug) return &e;
    return nullptr;
}

}  // namespace qorix
