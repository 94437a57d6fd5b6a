#include "app/placeholder.h"

namespace qorix {

PlaceholderPage::PlaceholderPage(std::string name, std::string title, Services& services,
                                 bool disabled)
    : WizardPage(std::move(name), std::move(title), services) {
    if (disabled)
        for (ui::Control* c : controls()) c->setEnabled(false);
    else {
        // an empty page: only its title until the wizard is built
        Memo1.setVisible(false);
        Button1.setVisible(false);
    }
}

RectangleHolesPlaceholder::RectangleHolesPlaceholder(Services& services)
    : PlaceholderPage("RectangleHolesPlaceholder",
                      "Fúrás Téglalap mentén (drill rectangle bolt pattern)", services, true) {}

}  // namespace qorix
