#include "app/tooltable.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "app/pagejobs.h"
#include "app/versionedtext.h"
#include "link/installpaths.h"
#include "link/textfile.h"
#include "platform/files.h"
#include "wizards/common/numbertext.h"

namespace qorix::tools {

namespace {

constexpr versioned::Format kFormat{
    .magic = kMagic,
    .version = kVersion,
    .mostBytes = kMostBytes,
    .noun = "szerszámtábla",
    .refused = "nem olvasható",
    .newer = "a szerszámtáblát a program egy újabb változata írta",
    .emptyRefused = false,
    .raise = [](const std::string& message) { throw TableError(message); },
};

[[noreturn]] void refuse(const std::string& path, std::size_t line, const std::string& why) {
    versioned::refuse(kFormat, path, line, why);
}

bool digitsOnly(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A whole number from 1 that a page's field takes (a feed, a speed, a count).
bool positiveWhole(std::string_view s) {
    int v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return digitsOnly(s) && r.ec == std::errc() && r.ptr == s.data() + s.size() && v > 0;
}

// A plain decimal above 0, with a dot: "6", "1.5" (no sign, no exponent, no comma).
bool positiveDecimal(std::string_view s) {
    const std::size_t dot = s.find('.');
    const std::string_view whole = s.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? "0" : s.substr(dot + 1);
    if (!digitsOnly(whole) || !digitsOnly(fraction)) return false;
    return s.find_first_not_of("0.") != std::string_view::npos;
}

// The columns that may stay empty, and what each must be when it is not.
struct Rule {
    Column column;
    bool decimal;
    const char* what;
};
constexpr Rule kRules[] = {
    {flutes, false, "az élek száma"},    {passDepth, true, "a fogásmélység"},
    {speed, false, "a fordulat"},        {feedG1, false, "a G1 előtolás"},
    {feedPlunge, false, "a fogásvétel"}, {feedArcs, false, "a G2, G3 előtolás"},
};

std::vector<std::string_view> split(std::string_view line) {
    std::vector<std::string_view> cells;
    for (std::size_t at = 0;;) {
        const std::size_t end = line.find(';', at);
        cells.push_back(line.substr(at, end == std::string_view::npos ? end : end - at));
        if (end == std::string_view::npos) return cells;
        at = end + 1;
    }
}

}  // namespace

Table parse(std::string_view bytes, const std::string& path) {
    const std::vector<versioned::Line> lines = versioned::checkedLines(bytes, kFormat, path);
    Table table;
    std::set<int> numbers;
    for (std::size_t i = 1; i < lines.size(); ++i) {  // after the header
        const auto [number, line] = lines[i];
        const std::vector<std::string_view> cells = split(line);
        if (cells.size() != kColumns)
            refuse(path, number,
                   "hibás sor, " + std::to_string(kColumns) +
                       " pontosvesszővel elválasztott oszlop kell");
        Tool tool;
        std::copy(cells.begin(), cells.end(), tool.cell.begin());
        if (std::string why = problemOf(tool); !why.empty()) refuse(path, number, why);
        if (!numbers.insert(tool.toolNumber()).second)
            refuse(path, number,
                   "a(z) " + tool.cell[Column::number] + ". szerszám másodszor szerepel");
        table.push_back(std::move(tool));
    }
    return table;
}

const std::array<const char*, kColumns>& headings() {
    static const std::array<const char*, kColumns> texts = {
        "Szám", "Név", "Átmérő", "Élek", "Fogásmélység", "Fordulat", "G1", "Fogásvétel", "G2, G3"};
    return texts;
}

int Tool::toolNumber() const {
    int v = 0;
    std::from_chars(cell[number].data(), cell[number].data() + cell[number].size(), v);
    return v;
}

std::string Tool::label(char separator) const {
    const NumberText num(separator);
    std::string text = "T" + cell[number];
    if (!cell[name].empty()) text += " " + cell[name];
    return text + " (⌀" + num.fromSeparator(cell[diameter], '.') + ")";
}

std::string problemOf(const Tool& tool) {
    if (!positiveWhole(tool.cell[number])) return "a szerszám száma nem pozitív egész szám";
    if (!positiveDecimal(tool.cell[diameter])) return "az átmérő nem pozitív szám";
    if (tool.cell[name].find(';') != std::string::npos)
        return "a név nem tartalmazhat pontosvesszőt";
    if (!versioned::isText(tool.cell[name])) return "a név nem lehet többsoros";
    for (const Rule& r : kRules) {
        const std::string& c = tool.cell[r.column];
        if (!c.empty() && !(r.decimal ? positiveDecimal(c) : positiveWhole(c)))
            return std::string(r.what) +
                   (r.decimal ? " nem pozitív szám" : " nem pozitív egész szám");
    }
    return {};
}

std::string text(const Table& table, const std::string& path) {
    std::string out = versioned::header(kFormat) + "\n# ";
    for (int c = 0; c < kColumns; ++c) out += std::string(c ? ";" : "") + headings()[c];
    out += "\n";
    std::set<int> numbers;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Tool& tool = table[i];
        std::string why = problemOf(tool);
        if (why.empty() && !numbers.insert(tool.toolNumber()).second)
            why = "a(z) " + tool.cell[number] + ". szerszám másodszor szerepel";
        if (!why.empty())
            throw TableError("A(z) „" + path + "” szerszámtábla nem menthető, a(z) " +
                             std::to_string(i + 1) + ". szerszám hibás: " + why + ".");
        for (int c = 0; c < kColumns; ++c) out += (c ? ";" : "") + tool.cell[c];
        out += "\n";
    }
    return out;
}

Table load(const std::string& path) {
    const std::optional<std::string> bytes = versioned::read(kFormat, path);
    return bytes ? parse(*bytes, path) : Table{};  // no file: no table saved yet
}

void save(const std::string& path, const Table& table) {
    const std::string bytes = text(table, path);
    const std::size_t slash = path.find_last_of("/\\");
    if (slash != std::string::npos && slash > 0)
        if (int error = platform::makeFolders(path.substr(0, slash))) throw FileError(path, error);
    textfile::writeBytes(path, bytes);
}

std::string defaultPath() {
    const std::string folder = configurationFolder();
    return folder.empty() ? folder : folder + kPathSeparator + kFileName;
}

}  // namespace qorix::tools
