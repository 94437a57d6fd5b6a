// The largest input each wizard accepts, as a user would type it, and a wizard made ready
// with it. The benchmarks and the desktop measurements share these.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/wizardregistry.h"
#include "link/aboutbox.h"
#include "ui/dialogs.h"
#include "wizards/common/numbertext.h"
#include "wizards/common/page.h"

namespace qorix::bench {

struct LargestInput {
    std::string name;  // what the figures are labelled with
    std::string slug;  // the wizard
    std::vector<std::pair<std::string, std::string>> settings;  // control, value (comma text)
};

// In the order of the wizard list.
const std::vector<LargestInput>& largestInputs();
const LargestInput& largestInput(const std::string& name);

// A wizard with its own store and dialogs, started up and filled in.
class ReadyWizard {
public:
    explicit ReadyWizard(const LargestInput& input, char separator = ',');
    // One press of "Létrehozás", as the command line presses it; whether it wrote.
    bool press();
    // The page's output box, read in place.
    const std::vector<std::string>& lines() const { return page_->Memo1.lines(); }
    WizardPage& page() { return *page_; }
    const ui::RecordingDialogs& dialogs() const { return dialogs_; }

private:
    NumberText num_;
    ui::RecordingDialogs dialogs_;
    std::unique_ptr<AboutBox> store_;
    Services services_;
    std::unique_ptr<CliWizard> wizard_;
    WizardPage* page_;
};

}  // namespace qorix::bench
