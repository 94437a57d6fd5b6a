// The one table of the wizards, read by the desktop program and by the command line. A
// wizard joins both by its one entry here: the text in the main window's list, the slug of
// the command line, how its page and its dialogs are made, and the main window's hooks.
// The entry's position + 1 is its wizard number in the main window.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "wizards/common/page.h"

namespace qorix {

class AboutBox;
struct Session;
class CliWizard;
struct Wizard;

using PageHook = std::function<void(WizardPage&, const Session&)>;
// Hands the About window what its listing shows of the page.
using AboutHook = std::function<void(WizardPage&, AboutBox&)>;
using PageMaker = std::function<std::unique_ptr<WizardPage>(Services&)>;
// The page's dialogs, made for a page and connected to it; the front end owns them.
using DialogMaker = std::function<std::vector<std::unique_ptr<ui::Form>>(WizardPage&, Services&)>;
using CliMaker = std::function<std::unique_ptr<CliWizard>(const Wizard&, Services&)>;

struct Wizard {
    std::string text{};  // the entry in the main window's list
    std::string slug{};  // the name on the command line; empty: not offered there
    PageMaker page{};
    DialogMaker dialogs{};    // none when empty
    PageHook onSelect{};      // the extra of a selection, after the page is shown
    PageHook afterStartup{};  // run once at the first activation, after every page's start-up
    PageHook startup{};       // the page's start-up reading when it is not page.startup()
    CliMaker cli{};           // how the command line drives it, when not the ordinary way
    AboutHook showInAbout{};  // what the About window's listing shows of the page, if any
};

const std::vector<Wizard>& wizardTable();

// The page or dialog as the class its entry made; a mismatch is a fault of the table.
template <class T, class Base>
T& madeAs(Base& made) {
    T* typed = dynamic_cast<T*>(&made);
    if (!typed) throw std::logic_error("the wizard table paired " + made.formName() + " wrongly");
    return *typed;
}

// A hook that calls one handler of the page's own class.
template <class Page>
PageHook callOn(void (Page::*handler)()) {
    return [handler](WizardPage& page, const Session&) { (madeAs<Page>(page).*handler)(); };
}

}  // namespace qorix
