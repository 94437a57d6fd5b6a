#include "app/mainpages.h"

#include "app/placeholder.h"
#include "wizards/common/shared.h"
#include "wizards/contour/circularpocket.h"
#include "wizards/contour/cutcircle.h"
#include "wizards/contour/cutrectangle.h"
#include "wizards/contour/rectanglepocket.h"
#include "wizards/drilling/boltcircle.h"
#include "wizards/spiral/fibonacci.h"
#include "wizards/thread/threadrepair.h"

namespace qorix {

namespace {

template <class Page>
std::function<std::unique_ptr<WizardPage>(Services&)> page() {
    return [](Services& s) { return std::make_unique<Page>(s); };
}

// In the main window the thread page's direction group reads "Menet irány".
std::function<std::unique_ptr<WizardPage>(Services&)> threadRepairPage() {
    return [](Services& s) {
        auto page = std::make_unique<TFrame11>(s);
        page->RadioGroup_cw_.setCaption(TFrame11::kMainWindowDirectionCaption);
        return page;
    };
}

// "Bemérés" asks QORIX for the position: in host mode it is switched off here; the selection
// does not touch it in standalone mode.
PageHook measureOnlyStandalone() {
    return [](WizardPage& page, const SharedValues& shared) {
        if (shared.standalone == 0) static_cast<TFrame11&>(page).Button3.setEnabled(false);
    };
}

MainPageEntry entry(const char* text, std::function<std::unique_ptr<WizardPage>(Services&)> make,
                    PageHook onSelect = {}, PageHook afterStartup = {}, PageHook startup = {}) {
    return MainPageEntry{text, std::move(make), std::move(onSelect), std::move(afterStartup),
                         std::move(startup)};
}

}  // namespace

const std::vector<MainPageEntry>& mainPages() {
    static const std::vector<MainPageEntry> entries = {
        // the spiral page only reads its fields at start-up
        entry("Fibonacci spirál", page<TFrame2>(), {}, {},
              callOn<WizardPage>(&WizardPage::ReadParameters)),
        // a selection refreshes the step-width labels ("%" and "mm")
        entry("Körzseb (circular pocket)", page<TFrame3>(),
              callOn<TFrame3>(&TFrame3::ScrollBar1Change)),
        entry("Téglalapzseb (rectangle pocket)", page<TFrame4>(),
              callOn<TFrame4>(&TFrame4::ScrollBar1Change)),
        entry("Kör kivágás (cut circle)", page<TFrame5>()),
        entry("Téglalap kivágás (cut rectangle)", page<TFrame7>()),
        // a selection disables the third choice ("Újra választ") of " Furat kiválasztó "
        entry("Fúrás kör mentén (drill circular bolt pattern)", page<TFrame8>(),
              callOn<TFrame8>(&TFrame8::selectedInList)),
        entry("Fúrás Téglalap mentén (drill rectangle bolt pattern)", page<TFrame10>()),
        // in host mode both the start-up and a selection disable the page's "Bemérés"
        entry("Menet javítás", threadRepairPage(), measureOnlyStandalone(),
              measureOnlyStandalone()),
    };
    return entries;
}

}  // namespace qorix
