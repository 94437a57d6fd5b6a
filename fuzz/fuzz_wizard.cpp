// A wizard page with fuzzed choices and field texts, then "Létrehozás".
//
// Input: the bytes up to the first line feed are the header: its first byte holds the
// decimal separator (bit 0: dot), a second press (bit 1) and, when QORIX_FUZZ_WIZARD does not
// name a wizard, the wizard (the upper bits); each further header byte sets one check box,
// radio group or scroll bar, in order. Every following line is the text of the next
// enabled field; fields without a line keep their default text.
// QORIX_FUZZ_WIZARD=? prints the slugs of the registry and ends.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzzcheck.h"
#include "tests/support/wizardprobe.h"

using namespace qorix;

namespace {

const WizardEntry* onlyWizard = nullptr;

std::vector<std::string_view> split(std::string_view data) {
    std::vector<std::string_view> parts;
    for (;;) {
        auto nl = data.find('\n');
        parts.push_back(data.substr(0, nl));
        if (nl == std::string_view::npos) return parts;
        data.remove_prefix(nl + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* slug = std::getenv("QORIX_FUZZ_WIZARD");
    if (slug && std::string(slug) == "?") {  // the list, for fuzz/run
        for (const auto& e : wizardRegistry()) std::printf("%s\n", e.slug.c_str());
        std::exit(0);
    }
    if (slug) {
        onlyWizard = findWizard(slug);
        fuzz::require(onlyWizard != nullptr, std::string("no wizard named ") + slug);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto parts = split(std::string_view(reinterpret_cast<const char*>(data), size));
    std::string_view header = parts[0];
    unsigned char flags = header.empty() ? 0 : static_cast<unsigned char>(header[0]);
    const auto& all = wizardRegistry();
    const WizardEntry& entry = onlyWizard ? *onlyWizard : all[(flags >> 2) % all.size()];

    probe::WizardProbe p(entry, (flags & 1) ? '.' : ',');
    fuzz::require(p.startupFault().empty(), entry.slug + ": start-up: " + p.startupFault());
    auto choices = p.enabledChoices();
    for (std::size_t i = 1; i < header.size() && i - 1 < choices.size(); ++i) {
        std::string escaped = p.choose(*choices[i - 1], static_cast<unsigned char>(header[i]));
        fuzz::require(escaped.empty(), entry.slug + ": " + choices[i - 1]->name() + ": " + escaped);
    }
    auto edits = p.enabledEdits();
    for (std::size_t i = 1; i < parts.size() && i - 1 < edits.size(); ++i)
        edits[i - 1]->setText(std::string(parts[i]));
    for (int n = 0; n < ((flags & 2) ? 2 : 1); ++n) {
        probe::PressOutcome o = p.press();
        if (!o.fault.empty()) {
            std::string what = entry.slug + ": " + o.fault + "\nfields:";
            for (ui::Edit* e : p.enabledEdits()) what += "\n  " + e->name() + "=" + e->text();
            what += "\noutput before the press: " + std::to_string(o.before.size()) +
                    " lines; after it:";
            for (std::size_t i = 0; i < o.after.size() && i < 40; ++i) what += "\n  " + o.after[i];
            fuzz::broken(what);
        }
    }
    return 0;
}
