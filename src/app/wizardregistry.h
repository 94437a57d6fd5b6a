// The wizards that the command-line generator can drive, by their slugs: the entries of the
// wizard table that have one.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/form.h"
#include "wizards/common/services.h"

namespace qorix {

// One wizard as the command line sees it: controls found by name, the start-up reading,
// and the press of "Létrehozás".
class CliWizard {
public:
    virtual ~CliWizard() = default;
    // The page first, then any dialog whose controls the command line may set.
    virtual std::vector<ui::Form*> forms() = 0;
    virtual void startup() = 0;
    // Returns whether the press wrote its program to the end.
    virtual bool press() = 0;
    virtual std::vector<std::string> output() const = 0;
    // Lines for stderr after the run (besides the message boxes).
    virtual std::vector<std::string> diagnostics() const { return {}; }
    // A "--NAME=VALUE" option of the wizard's own. Returns false when it has no such option;
    // a text left in `problem` makes it a usage error.
    virtual bool option(const std::string& /*arg*/, std::string& /*problem*/) { return false; }
    // What the wizard's own options do before each press (choices in one of its dialogs).
    // A returned text is a usage error.
    virtual std::string beforePress() { return {}; }
};

struct WizardEntry {
    std::string slug;
    std::function<std::unique_ptr<CliWizard>(Services&)> make;
};

const std::vector<WizardEntry>& wizardRegistry();
const WizardEntry* findWizard(const std::string& slug);

}  // namespace qorix
