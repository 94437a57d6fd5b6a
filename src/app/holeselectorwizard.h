// A drilling page with a hole selector driven from the command line, with the selector
// behind the one option of its own: --holes=LIST chooses "Furat kiválasztás", ticks exactly
// the listed holes, confirms with "Adat rendben" and only then presses "Létrehozás". The
// bolt circle and the rectangle pattern are driven alike.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "app/wizardregistry.h"
#include "app/wizardtable.h"
#include "wizards/drilling/holeselector.h"

namespace qorix {

class HoleSelectorWizard : public CliWizard {
public:
    // The page and its hole selector (its first dialog) as the table's entry makes them.
    HoleSelectorWizard(const Wizard& wizard, Services& services);

    std::vector<ui::Form*> forms() override { return {made_.get()}; }
    void startup() override { made_->startup(); }
    bool press() override { return made_->Button1.click() && made_->lastRunWrote(); }
    std::vector<std::string> output() const override { return made_->Memo1.lines(); }
    bool option(const std::string& arg, std::string& problem) override;
    std::string beforePress() override;

private:
    std::unique_ptr<WizardPage> made_;
    std::vector<std::unique_ptr<ui::Form>> dialogs_;
    ui::RadioGroup& group_;  // " Furat kiválasztó "
    HoleSelectorDialog& selector_;
    std::optional<std::vector<int>> holes_;
};

}  // namespace qorix
