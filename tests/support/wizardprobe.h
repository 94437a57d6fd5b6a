// Driving any wizard of the registry with arbitrary field texts and judging what one press
// of "Létrehozás" did. Shared by the bad-input tables and the fuzz targets, so that both
// hold every page to the same properties: a press either writes a program or shows a
// check or conversion message and leaves the output as it was; every number written is
// finite; nothing but the program's own failures reaches the event wrapper.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/wizardregistry.h"
#include "link/aboutbox.h"
#include "link/sleeper.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "wizards/common/finitelines.h"

namespace qorix::probe {

using qorix::firstNonFiniteLine;

struct PressOutcome {
    bool wrote = false;                 // the press wrote its program to the end
    bool failure = false;               // a failure reached the event wrapper
    std::vector<ui::Message> messages;  // the boxes shown by this press
    std::vector<std::string> before;    // the output before the press
    std::vector<std::string> after;     // and after it
    std::string fault;                  // what broke the properties; empty when none
};

class WizardProbe {
public:
    // The wizard after its start-up, as the main window shows it.
    WizardProbe(const WizardEntry& entry, char separator);
    ~WizardProbe();
    WizardProbe(const WizardProbe&) = delete;
    WizardProbe& operator=(const WizardProbe&) = delete;

    CliWizard& wizard() { return *wizard_; }
    const ui::RecordingDialogs& dialogs() const { return dialogs_; }
    // The start-up itself must not fail; its fault, if any.
    const std::string& startupFault() const { return startupFault_; }

    // The fields a user can type into now, in the order of the forms and their controls.
    std::vector<ui::Edit*> enabledEdits() const;
    // The check boxes, radio groups and scroll bars a user can set now.
    std::vector<ui::Control*> enabledChoices() const;
    // Sets a choice from one byte, as a click would (a disabled item is left alone).
    // Returns what escaped its handler; empty when nothing did.
    std::string choose(ui::Control& control, unsigned char byte);
    // Runs one user event through the event wrapper; returns a description of anything
    // other than the program's own failures that reached it, empty when nothing did.
    std::string guarded(const std::function<void()>& event);

    // Presses "Létrehozás" (through the wizard's own steps before it) and judges the outcome.
    PressOutcome press();

private:
    static std::size_t newProgramLines(const std::vector<std::string>& before,
                                       const std::vector<std::string>& after);

    NumberText num_;
    ui::RecordingDialogs dialogs_;
    RecordingSleeper sleeper_;
    std::unique_ptr<AboutBox> store_;
    Services services_;
    std::unique_ptr<CliWizard> wizard_;
    std::string startupFault_;
    bool refusalShown_ = false;  // a choice since the last press showed a failed check
};

}  // namespace qorix::probe
