// A wizard page driven from the command line the ordinary way.
#pragma once

#include <memory>

#include "app/wizardregistry.h"
#include "wizards/common/page.h"

namespace qorix {

template <class Page>
class PageWizard : public CliWizard {
public:
    explicit PageWizard(Services& services) : page_(std::make_unique<Page>(services)) {}
    std::vector<ui::Form*> forms() override { return {page_.get()}; }
    void startup() override { page_->startup(); }
    bool press() override {
        if (!page_->Button1.click()) return false;
        return page_->lastRunWrote();
    }
    std::vector<std::string> output() const override { return page_->Memo1.lines(); }
    Page& page() { return *page_; }

private:
    std::unique_ptr<Page> page_;
};

}  // namespace qorix
