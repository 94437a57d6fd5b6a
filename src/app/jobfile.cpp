#include "app/jobfile.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <set>
#include <vector>

#include "link/textfile.h"
#include "platform/files.h"
#include "ui/controls.h"
#include "wizards/common/numbertext.h"

namespace qorix::job {

namespace {

std::string header() { return std::string(kMagic) + " " + std::to_string(kVersion); }

[[noreturn]] void refuse(const std::string& path, std::size_t line, const std::string& why) {
    throw JobError("A(z) „" + path + "” feladatfájl " + std::to_string(line) +
                   ". sora nem tölthető be: " + why + ".");
}

[[noreturn]] void refuseFile(const std::string& path, const std::string& why) {
    throw JobError("A(z) „" + path + "” feladatfájl nem tölthető be: " + why + ".");
}

}  // namespace

bool isText(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t') || c == 0x7F) return false;
            ++i;
            continue;
        }
        const std::size_t n = c >= 0xC2 && c <= 0xDF   ? 2
                              : c >= 0xE0 && c <= 0xEF ? 3
                              : c >= 0xF0 && c <= 0xF4 ? 4
                                                       : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

namespace {

struct Line {
    std::size_t number;
    std::string_view text;
};

// The lines that say something, numbered as an editor numbers them; a line that is no
// text is refused here, before anything else is looked at.
std::vector<Line> linesOf(std::string_view bytes, const std::string& path) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);  // an editor's byte order mark
    std::vector<Line> lines;
    std::size_t number = 0;
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!isText(line)) refuse(path, number, "nem szöveg (bináris fájl?)");
        if (line.empty() || line.starts_with('#')) continue;
        lines.push_back({number, line});
    }
    if (lines.empty()) refuse(path, std::max<std::size_t>(number, 1), "a fájl üres");
    return lines;
}

// "qorix-job N" with N at most our version.
void checkHeader(const Line& line, const std::string& path) {
    const std::string prefix = std::string(kMagic) + " ";
    int version = 0;
    const std::string_view digits = line.text.substr(std::min(prefix.size(), line.text.size()));
    auto r = std::from_chars(digits.data(), digits.data() + digits.size(), version);
    if (!line.text.starts_with(prefix) || r.ec != std::errc() ||
        r.ptr != digits.data() + digits.size() || version < 1)
        refuse(path, line.number, "nem feladatfájl (az első sora „" + header() + "” kell legyen)");
    if (version > kVersion)
        refuse(path, line.number,
               "a feladatfájl újabb változatú (" + std::to_string(version) +
                   "), ez a program legfeljebb a(z) " + std::to_string(kVersion) +
                   ". változatot olvassa");
}

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
    std::string out =
        header() + "\nwizard=" + slug + "\n" + std::string(kSeparatorKey) + separator + "\n";
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
    const std::vector<Line> lines = linesOf(bytes, path);
    checkHeader(lines[0], path);
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
    platform::SmallFile file;
    if (int error = platform::readSmallFile(path, kMostBytes, file))
        throw FileError(path, error, true);
    if (file.kind == platform::SmallFile::notRegular)
        refuseFile(path, "nem közönséges fájl, hanem mappa, csővezeték vagy eszköz");
    if (file.kind == platform::SmallFile::tooLarge)
        refuseFile(path, "nagyobb, mint " + std::to_string(kMostBytes / 1024) +
                             " kB, így nem feladatfájl");
    apply(file.bytes, path, slug, page, separator);
}

}  // namespace qorix::job
