// The drilling page driven from the command line, with its hole selector behind the one
// option of its own: --holes=LIST chooses "Furat kiválasztás", ticks exactly the listed
// holes, confirms with "Adat rendben" and only then presses "Létrehozás".
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "app/wizardregistry.h"
#include "app/wizardtable.h"
#include "wizards/drilling/boltcircle.h"
#include "wizards/drilling/holeselector.h"

namespace qorix {

class BoltCircleWizard : public CliWizard {
public:
    // The page and its hole selector as the table's entry makes them.
    BoltCircleWizard(const Wizard& wizard, Services& services);

    std::vector<ui::Form*> forms() override { return {&page_}; }
    void startup() override { page_.startup(); }
    bool press() override { return page_.Button1.click() && page_.lastRunWrote(); }
    std::vector<std::string> output() const override { return page_.Memo1.lines(); }
    bool option(const std::string& arg, std::string& problem) override;
    std::string beforePress() override;

    BoltCirclePage& page() { return page_; }
    HoleSelectorDialog& selector() { return selector_; }

private:
    std::unique_ptr<WizardPage> made_;
    std::vector<std::unique_ptr<ui::Form>> dialogs_;
    BoltCirclePage& page_;
    HoleSelectorDialog& selector_;
    std::optional<std::vector<int>> holes_;
};

}  // namespace qorix
