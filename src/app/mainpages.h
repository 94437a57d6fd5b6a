// The wizard list of the main window: one entry per wizard, in the order of the list. The
// entry's position + 1 is its wizard number. A wizard joins the main window by its one entry
// here: the text in the list, how its page is made, and what selecting it does besides
// showing the page.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "wizards/common/page.h"

namespace qorix {

struct SharedValues;

using PageHook = std::function<void(WizardPage&, const SharedValues&)>;

struct MainPageEntry {
    std::string text;  // the entry in ComboBox1
    std::function<std::unique_ptr<WizardPage>(Services&)> make;
    PageHook onSelect;      // the extra of a selection, after the page is shown
    PageHook afterStartup;  // run once at the first activation, after every page's start-up
    PageHook startup;       // the page's start-up reading when it is not page.startup()
};

const std::vector<MainPageEntry>& mainPages();

// A hook that calls one handler of the page's own class.
template <class Page>
PageHook callOn(void (Page::*handler)()) {
    return
        [handler](WizardPage& page, const SharedValues&) { (static_cast<Page&>(page).*handler)(); };
}

}  // namespace qorix
