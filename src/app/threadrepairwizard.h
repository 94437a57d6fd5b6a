// The thread repair page driven from the command line. The measured position is typed
// into its fields, so each press runs the whole check: "Ellenőrzés", "Adatok rendben" in
// the check dialog, and "Létrehozás". The check dialog's texts go to stderr.
#pragma once

#include <memory>

#include "app/wizardregistry.h"
#include "app/wizardtable.h"
#include "wizards/thread/threadcheck.h"
#include "wizards/thread/threadrepair.h"

namespace qorix {

class ThreadRepairWizard : public CliWizard {
public:
    // The page and its capture and check dialogs as the table's entry makes them.
    ThreadRepairWizard(const Wizard& wizard, Services& services)
        : made_(wizard.page(services)),
          dialogs_(wizard.dialogs(*made_, services)),
          page_(madeAs<ThreadRepairPage>(*made_)),
          check_(madeAs<ThreadCheckDialog>(*dialogs_.at(1))) {}
    std::vector<ui::Form*> forms() override { return {&page_, &check_}; }

    // As the main window starts it; then "Törlés", so that the output is the check's.
    void startup() override {
        page_.startup();
        page_.Button2.click();
    }

    // A check whose reading failed cannot be accepted: no program then, and the output
    // stays as it was before the press.
    bool press() override {
        KeepOutputUnlessWritten keep(page_.Memo1);
        if (!page_.Button4.click()) return false;
        for (ui::Control* c : check_.controls())
            if (c->kind() == ui::Kind::Label && !isCaption(*c))
                labels_.push_back(c->name() + ": " + static_cast<ui::Label*>(c)->caption());
        if (!check_.Button1.click()) return false;
        page_.Timer2.fire();
        keep.written = page_.Button1.click() && page_.lastRunWrote();
        return keep.written;
    }

    std::vector<std::string> output() const override { return page_.Memo1.lines(); }
    std::vector<std::string> diagnostics() const override { return labels_; }

private:
    // The fixed captions before the deviation values tell nothing of this check.
    static bool isCaption(const ui::Control& c) { return c.name().ends_with(".caption"); }

    struct KeepOutputUnlessWritten {
        explicit KeepOutputUnlessWritten(ui::Memo& memo) : memo(memo), before(memo.lines()) {}
        ~KeepOutputUnlessWritten() {
            if (!written && memo.lines() != before) memo.setLines(before);
        }
        ui::Memo& memo;
        std::vector<std::string> before;
        bool written = false;
    };

    std::unique_ptr<WizardPage> made_;
    std::vector<std::unique_ptr<ui::Form>> dialogs_;  // the capture and the check
    ThreadRepairPage& page_;
    ThreadCheckDialog& check_;
    std::vector<std::string> labels_;
};

}  // namespace qorix
