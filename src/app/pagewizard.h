// A wizard page driven from the command line the ordinary way: made as its table entry
// makes it, with its dialogs.
#pragma once

#include <memory>

#include "app/wizardregistry.h"
#include "app/wizardtable.h"
#include "wizards/common/page.h"

namespace qorix {

class PageWizard : public CliWizard {
public:
    PageWizard(const Wizard& wizard, Services& services)
        : page_(wizard.page(services)),
          dialogs_(wizard.dialogs ? wizard.dialogs(*page_, services)
                                  : std::vector<std::unique_ptr<ui::Form>>{}) {}
    std::vector<ui::Form*> forms() override { return {page_.get()}; }
    void startup() override { page_->startup(); }
    bool press() override {
        if (!page_->Button1.click()) return false;
        return page_->lastRunWrote();
    }
    std::vector<std::string> output() const override { return page_->Memo1.lines(); }
    WizardPage& page() { return *page_; }

private:
    std::unique_ptr<WizardPage> page_;
    std::vector<std::unique_ptr<ui::Form>> dialogs_;
};

}  // namespace qorix
