#include "tests/support/wizardprobe.h"

#include <algorithm>
#include <typeinfo>

#include "ui/event.h"
#include "wizards/common/errors.h"
#include "wizards/common/finitelines.h"
#include "wizards/common/messages.h"

namespace qorix::probe {

namespace {

// A line of G-code (an address letter with its number), not a comment or a value listing.
bool isProgramLine(const std::string& line) {
    std::size_t i = line.find_first_not_of(' ');
    if (i == std::string::npos || i + 1 >= line.size()) return false;
    char a = line[i], n = line[i + 1];
    return std::string("GMTSFXYZIJRQPN").find(a) != std::string::npos &&
           ((n >= '0' && n <= '9') || n == '-' || n == '.' || n == ',');
}

std::string joined(const std::vector<ui::Message>& messages) {
    std::string s;
    for (const auto& m : messages) s += " [" + m.caption + ": " + m.text + "]";
    return s;
}

}  // namespace

WizardProbe::WizardProbe(const WizardEntry& entry, char separator)
    : num_(separator),
      store_(std::make_unique<AboutBox>(num_, sleeper_)),
      services_{dialogs_, num_, store_.get(), store_.get()},
      wizard_(entry.make(services_)) {
    startupFault_ = guarded([this] { wizard_->startup(); });
    dialogs_.clearMessages();
}

WizardProbe::~WizardProbe() = default;

std::string WizardProbe::guarded(const std::function<void()>& event) {
    std::string escaped;
    ui::runEvent(dialogs_, [&] {
        try {
            event();
        } catch (const Error&) {
            throw;  // the program's own failure: the wrapper shows it
        } catch (const std::exception& e) {
            escaped = std::string("a ") + typeid(e).name() + " escaped: " + e.what();
            throw;
        } catch (...) {
            escaped = "an exception of no standard type escaped";
            throw;
        }
    });
    return escaped;
}

std::vector<ui::Edit*> WizardProbe::enabledEdits() const {
    std::vector<ui::Edit*> edits;
    for (ui::Form* f : wizard_->forms())
        for (ui::Control* c : f->controls())
            if (c->kind() == ui::Kind::Edit && c->enabled() && c->visible())
                edits.push_back(static_cast<ui::Edit*>(c));
    return edits;
}

std::vector<ui::Control*> WizardProbe::enabledChoices() const {
    std::vector<ui::Control*> choices;
    for (ui::Form* f : wizard_->forms())
        for (ui::Control* c : f->controls()) {
            ui::Kind k = c->kind();
            if ((k == ui::Kind::CheckBox || k == ui::Kind::RadioGroup ||
                 k == ui::Kind::ScrollBar) &&
                c->enabled() && c->visible())
                choices.push_back(c);
        }
    return choices;
}

std::string WizardProbe::choose(ui::Control& control, unsigned char byte) {
    std::size_t shown = dialogs_.messages().size();
    std::string escaped = guarded([&] {
        switch (control.kind()) {
            case ui::Kind::CheckBox:
                static_cast<ui::CheckBox&>(control).setChecked(byte & 1);
                break;
            case ui::Kind::RadioGroup: {
                auto& g = static_cast<ui::RadioGroup&>(control);
                if (g.items().empty()) break;
                int i = byte % static_cast<int>(g.items().size());
                if (g.itemEnabled(i)) g.setItemIndex(i);
                break;
            }
            case ui::Kind::ScrollBar: {
                auto& s = static_cast<ui::ScrollBar&>(control);
                s.setPosition(s.min() + byte % (s.max() - s.min() + 1));
                break;
            }
            default:
                break;
        }
    });
    // A choice that reads the fields (the hole choice of the drilling page) may fail its
    // checks; the press that follows stops on that failure without a box of its own.
    for (std::size_t i = shown; i < dialogs_.messages().size(); ++i)
        if (dialogs_.messages()[i].caption != msg::kWarningCaption) refusalShown_ = true;
    return escaped;
}

// The program lines that the press added (all of them when it replaced the output).
std::size_t WizardProbe::newProgramLines(const std::vector<std::string>& before,
                                         const std::vector<std::string>& after) {
    std::size_t from =
        after.size() >= before.size() && std::equal(before.begin(), before.end(), after.begin())
            ? before.size()
            : 0;
    return static_cast<std::size_t>(
        std::count_if(after.begin() + static_cast<std::ptrdiff_t>(from), after.end(),
                      [](const std::string& l) { return isProgramLine(l); }));
}

PressOutcome WizardProbe::press() {
    PressOutcome o;
    o.before = wizard_->output();
    std::size_t shown = dialogs_.messages().size();
    std::string problem;
    std::string escaped = guarded([&] {
        problem = wizard_->beforePress();
        if (problem.empty()) o.wrote = wizard_->press();
    });
    o.after = wizard_->output();
    o.messages.assign(dialogs_.messages().begin() + static_cast<std::ptrdiff_t>(shown),
                      dialogs_.messages().end());
    o.failure = !escaped.empty() || std::any_of(o.messages.begin(), o.messages.end(), [](auto& m) {
        return m.caption == ui::kFailureCaption;
    });
    std::string bad = firstNonFiniteLine(o.after);
    if (!escaped.empty())
        o.fault = escaped;
    else if (!problem.empty())
        o.fault = "the wizard's own step before the press refused: " + problem;
    else if (!bad.empty())
        o.fault = "a line with a number that is not finite: " + bad;
    else if (o.wrote && o.after.empty())
        o.fault = "the press wrote an empty program";
    else if (!o.wrote && o.messages.empty() && !refusalShown_)
        o.fault = "the press wrote no program and showed no message";
    else if (!o.wrote && newProgramLines(o.before, o.after) > 0)
        o.fault = "a refused press left " + std::to_string(newProgramLines(o.before, o.after)) +
                  " lines of a program in the output";
    refusalShown_ = false;
    if (!o.fault.empty()) o.fault += joined(o.messages);
    return o;
}

}  // namespace qorix::probe
