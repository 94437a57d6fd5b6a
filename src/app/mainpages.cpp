#include "app/mainpages.h"

#include "app/placeholder.h"
#include "link/shared.h"
#include "wizards/contour/cutcircle.h"

namespace qorix {

namespace {

template <class Page>
std::function<std::unique_ptr<WizardPage>(Services&)> page() {
    return [](Services& s) { return std::make_unique<Page>(s); };
}

// A wizard whose page is not part of the program yet: an empty page under its class name.
std::function<std::unique_ptr<WizardPage>(Services&)> notYetBuilt(const char* name,
                                                                  const char* title) {
    return [name, title](Services& s) {
        return std::make_unique<PlaceholderPage>(name, title, s, false);
    };
}

}  // namespace

const std::vector<MainPageEntry>& mainPages() {
    static const std::vector<MainPageEntry> entries = {
        {"Fibonacci spirál", notYetBuilt("TFrame2", "Fibonacci spirál"), {}, {}},
        // once built: onSelect runs the page's step-width refresh (ScrollBar1Change)
        {"Körzseb (circular pocket)", notYetBuilt("TFrame3", "Körzseb (circular pocket)"), {}, {}},
        {"Téglalapzseb (rectangle pocket)",
         notYetBuilt("TFrame4", "Téglalapzseb (rectangle pocket)"),
         {},
         {}},
        {"Kör kivágás (cut circle)", page<TFrame5>(), {}, {}},
        {"Téglalap kivágás (cut rectangle)",
         notYetBuilt("TFrame7", "Téglalap kivágás (cut rectangle)"),
         {},
         {}},
        // once built: onSelect disables the third choice ("Újra választ") of " Furat kiválasztó "
        {"Fúrás kör mentén (drill circular bolt pattern)",
         notYetBuilt("TFrame8", "Fúrás kör mentén (drill circular bolt pattern)"),
         {},
         {}},
        {"Fúrás Téglalap mentén (drill rectangle bolt pattern)", page<TFrame10>(), {}, {}},
        // once built: in host mode both hooks disable the page's "Bemérés" button
        {"Menet javítás", notYetBuilt("TFrame11", "Menet javítás"), {}, {}},
    };
    return entries;
}

}  // namespace qorix
