#include "bench/largest.h"

#include <stdexcept>

#include "ui/controls.h"
#include "ui/event.h"

namespace qorix::bench {

const std::vector<LargestInput>& largestInputs() {
    // Depth -99,5 with a step of 1 gives the most passes, 100. A lateral step of 5 across a
    // width of 995 gives 99 whole rings or loops and a remainder.
    static const std::vector<LargestInput> inputs = {
        // 100 passes of 369 turns: 148 129 lines. One quarter more and the radii pass what
        // the machine can read, and the page refuses.
        {"fibonacci-largest",
         "fibonacci",
         {{"CheckBox3", "0"},
          {"Edit3", "369"},
          {"RadioGroup2", "0"},
          {"CheckBox2", "0"},
          {"Edit9", "1"},
          {"Edit7", "-99,5"}}},
        // Near the line bound: 100 passes of 2494 turns, 997 729 lines. Only a scale far
        // below the written decimals keeps so many radii readable; they are all written as 0.
        {"fibonacci-near-bound",
         "fibonacci",
         {{"CheckBox3", "0"},
          {"Edit3", "2494"},
          {"RadioGroup2", "0"},
          {"Edit10", "1e-4000"},
          {"CheckBox2", "0"},
          {"Edit9", "1"},
          {"Edit7", "-99,5"}}},
        // 100 passes of 6 turns: radii of machine size.
        {"fibonacci-6-turns",
         "fibonacci",
         {{"CheckBox3", "0"},
          {"Edit3", "6"},
          {"CheckBox2", "0"},
          {"Edit9", "1"},
          {"Edit7", "-99,5"}}},
        {"circular-pocket",
         "circular-pocket",
         {{"CheckBox2", "0"},
          {"Edit7", "-99,5"},
          {"Edit9", "1"},
          {"Edit3", "10"},
          {"Edit4", "1005"}}},
        {"rectangle-pocket",
         "rectangle-pocket",
         {{"CheckBox_szc_", "0"},
          {"Edit_m_", "-99,5"},
          {"Edit_szc_", "1"},
          {"Edit_sz_", "10"},
          {"Edit_xd_", "1005"},
          {"Edit_yd_", "1005"}}},
        {"cut-circle",
         "cut-circle",
         {{"CheckBox_szc_", "0"}, {"Edit_m_", "-99,5"}, {"Edit_szc_", "1"}}},
        {"cut-rectangle",
         "cut-rectangle",
         {{"CheckBox_szc_", "0"}, {"Edit_m_", "-99,5"}, {"Edit_szc_", "1"}}},
        {"bolt-circle", "bolt-circle", {{"Edit_drc_", "1000"}, {"Edit_r_", "200"}}},
        // 100 passes of 100 turns each (a fine pitch over a long thread).
        {"thread-repair",
         "thread-repair",
         {{"Edit_zm_", "0,5"},
          {"Edit_ml_", "50"},
          {"Edit_m_", "0,995"},
          {"Edit_szc_", "0,01"},
          {"Edit_Xpos_", "12,1"},
          {"Edit_Zpos_", "-2"}}},
    };
    return inputs;
}

const LargestInput& largestInput(const std::string& name) {
    for (const auto& i : largestInputs())
        if (i.name == name) return i;
    throw std::invalid_argument("no such input: " + name);
}

namespace {

void set(CliWizard& wizard, const std::string& name, const std::string& value) {
    for (ui::Form* form : wizard.forms()) {
        ui::Control* c = form->find(name);
        if (!c) continue;
        if (auto* e = dynamic_cast<ui::Edit*>(c))
            e->setText(value);
        else if (auto* b = dynamic_cast<ui::CheckBox*>(c))
            b->setChecked(value == "1");
        else if (auto* g = dynamic_cast<ui::RadioGroup*>(c))
            g->setItemIndex(std::stoi(value));
        else if (auto* s = dynamic_cast<ui::ScrollBar*>(c))
            s->setPosition(std::stoi(value));
        else
            throw std::invalid_argument("cannot set " + name);
        return;
    }
    throw std::invalid_argument("no control " + name);
}

}  // namespace

ReadyWizard::ReadyWizard(const LargestInput& input, char separator)
    : num_(separator),
      store_(std::make_unique<AboutBox>(num_)),
      services_{dialogs_, num_, store_.get(), store_.get()} {
    const WizardEntry* entry = findWizard(input.slug);
    if (!entry) throw std::invalid_argument("no wizard " + input.slug);
    wizard_ = entry->make(services_);
    page_ = dynamic_cast<WizardPage*>(wizard_->forms().at(0));
    if (!page_) throw std::invalid_argument("no page for " + input.slug);
    wizard_->startup();
    for (const auto& [name, value] : input.settings) set(*wizard_, name, num_.local(value));
}

bool ReadyWizard::press() {
    bool wrote = false;
    ui::runEvent(dialogs_, [&] { wrote = wizard_->press(); });
    return wrote;
}

}  // namespace qorix::bench
