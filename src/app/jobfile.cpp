#include "app/jobfile.h"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <set>
#include <vector>

#include "app/versionedtext.h"
#include "link/textfile.h"
#include "ui/controls.h"
#include "wizards/common/numbertext.h"

namespace qorix::job {

namespace {

constexpr versioned::Format kFormat{
    .magic = kMagic,
    .version = kVersion,
    .mostBytes = kMostBytes,
    .noun = "feladatfájl",
    .refused = "nem tölthető be",
    .newer = "a feladatfájl újabb változatú",
    .emptyRefused = true,
    .raise = [](const std::string& message) { throw JobError(message); },
};

[[noreturn]] void refuse(const std::string& path, std::size_t line, const std::string& why) {
    versioned::refuse(kFormat, path, line, why);
}

using versioned::Line;

void checkWizard(const Line& line, const std::string& path, const std::string& slug) {
    if (!line.text.starts_with("wizard="))
        refuse(path, line.number, "hiányzik a varázsló neve („wizard=" + slug + "”)");
    const std::string_view theirs = line.text.substr(7);
    if (theirs != slug)
        refuse(path, line.number,
               "a feladat a(z) „" + std::string(theirs) + "” varázslóé, nem a(z) „" + slug + "”-é");
}

struct Assignment {
    ui::Control* control;
    std::string value;
    std::size_t line;
};

constexpr std::string_view kSeparatorKey = "decimal-separator=";

// The separator of the run that wrote the job, from its third line; the run's own without it.
char writtenSeparator(const std::vector<Line>& lines, const std::string& path, char run) {
    if (lines.size() < 3 || !lines[2].text.starts_with(kSeparatorKey)) return run;
    const std::string_view sep = lines[2].text.substr(kSeparatorKey.size());
    if (sep != "," && sep != ".")
        refuse(path, lines[2].number, "a tizedesjel vessző (,) vagy pont (.) lehet");
    return sep[0];
}

// Every line checked against the page: a known control that takes a value, named once, and a
// value it takes (a field's number in the run's separator).
std::vector<Assignment> assignments(const std::vector<Line>& lines, const std::string& path,
                                    const ui::Form& page, char separator) {
    const char written = writtenSeparator(lines, path, separator);
    const NumberText num(separator);
    std::vector<Assignment> made;
    std::set<std::string> named;
    const bool separatorLine = lines.size() > 2 && lines[2].text.starts_with(kSeparatorKey);
    for (std::size_t i = separatorLine ? 3 : 2; i < lines.size(); ++i) {
        const Line& l = lines[i];
        const std::size_t eq = l.text.find('=');
        if (eq == std::string_view::npos || eq == 0)
            refuse(path, l.number, "hibás sor, VEZÉRLŐ=ÉRTÉK alakú kell legyen");
        const std::string name(l.text.substr(0, eq));
        ui::Control* c = page.find(name);
        if (!c || !ui::valueOf(*c)) refuse(path, l.number, "ismeretlen vezérlő: „" + name + "”");
        std::string value(l.text.substr(eq + 1));
        if (c->kind() == ui::Kind::Edit) value = num.fromSeparator(value, written);
        if (!named.insert(name).second)
            refuse(path, l.number, "a(z) „" + name + "” vezérlő másodszor szerepel");
        std::string problem;
        if (!ui::valueSetter(*c, value, problem))
            refuse(path, l.number, problem + ": „" + std::string(l.text) + "”");
        made.push_back({c, value, l.number});
    }
    return made;
}

// The fields first, then the rest in their order, so that a handler sees the fields as they
// will stay.
void fieldsFirst(std::vector<Assignment>& all) {
    std::stable_partition(all.begin(), all.end(),
                          [](const Assignment& a) { return a.control->kind() == ui::Kind::Edit; });
}

void setAll(std::vector<Assignment>& all, const std::string& path) {
    fieldsFirst(all);
    for (const Assignment& a : all) {
        std::string problem;
        ui::Handler set = ui::valueSetter(*a.control, a.value, problem);
        if (!set) refuse(path, a.line, problem + ": „" + a.control->name() + "=" + a.value + "”");
        try {
            set();
        } catch (const std::exception& e) {
            refuse(path, a.line, e.what());
        }
    }
}

// What the page held, to be put back when a line is refused half way (a handler that fails).
std::vector<Assignment> snapshot(const ui::Form& page) {
    std::vector<Assignment> held;
    for (ui::Control* c : page.controls())
        if (auto value = ui::valueOf(*c)) held.push_back({c, *value, 0});
    return held;
}

// Each value on its own: the values were the page's a moment ago, and one that cannot be put
// back (a handler that fails again) must not keep the others from it.
void putBack(std::vector<Assignment>& held) {
    fieldsFirst(held);
    for (const Assignment& a : held) {
        std::string unused;
        ui::Handler set = ui::valueSetter(*a.control, a.value, unused);
        try {
            if (set) set();
        } catch (const std::exception&) {
            // stays as the refused line left it
        }
    }
}

}  // namespace

std::string text(const std::string& slug, const ui::Form& page, char separator) {
    std::string out = versioned::header(kFormat) + "\nwizard=" + slug + "\n" +
                      std::string(kSeparatorKey) + separator + "\n";
    for (const ui::Control* c : page.controls()) {
        std::optional<std::string> value = ui::valueOf(*c);
        if (!value) continue;
        if (value->find_first_of("\r\n") != std::string::npos)
            throw JobError("A(z) „" + c->name() +
                           "” mező szövege sortörést tartalmaz, így nem menthető feladatként.");
        out += c->name() + "=" + *value + "\n";
    }
    return out;
}

void save(const std::string& path, const std::string& slug, const ui::Form& page, char separator) {
    textfile::writeBytes(path, text(slug, page, separator));
}

void apply(std::string_view bytes, const std::string& path, const std::string& slug, ui::Form& page,
           char separator) {
    const std::vector<Line> lines = versioned::checkedLines(bytes, kFormat, path);
    if (lines.size() < 2) refuse(path, lines[0].number + 1, "hiányzik a varázsló neve");
    checkWizard(lines[1], path, slug);
    std::vector<Assignment> all = assignments(lines, path, page, separator);
    std::vector<Assignment> held = snapshot(page);
    try {
        setAll(all, path);
    } catch (const JobError&) {
        putBack(held);
        throw;
    }
}

void load(const std::string& path, const std::string& slug, ui::Form& page, char separator) {
    const std::optional<std::string> bytes = versioned::read(kFormat, path);
    if (!bytes) throw FileError(path, ENOENT, true);
    apply(*bytes, path, slug, page, separator);
}

}  // namespace qorix::job
