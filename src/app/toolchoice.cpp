#include "app/toolchoice.h"

#include <algorithm>
#include <cerrno>

#include "app/tooleditor.h"
#include "link/textfile.h"
#include "platform/files.h"
#include "ui/event.h"
#include "wizards/common/numbertext.h"

namespace qorix {

namespace {

// Which field of a page takes which value of a tool, by the names `describe` lists. A page
// writes its feeds by its own captions: a field called "G1 feed" takes the tool's G1 feed,
// one that says it goes down in Z (or drills) its plunge feed, one for G2, G3 its arc feed.
struct ToolKeys {
    const char* number;
    const char* noTool;  // the "nincs" beside the number
    const char* diameter;
    const char* passDepth;
    const char* noPassDepth;
    const char* speed;
    const char* g1;
    const char* plunge;
    const char* arcs;
};

constexpr ToolKeys kNamed{"Edit_szsz_", "CheckBox_szsz_", "Edit_sz_", "Edit_szc_", "CheckBox_szc_",
                          "Edit_ff_",   "Edit_g1_",       nullptr,    "Edit_g23_"};
constexpr ToolKeys kNamedPlungeFirst{"Edit_szsz_", "CheckBox_szsz_", "Edit_sz_",
                                     "Edit_szc_",  "CheckBox_szc_",  "Edit_ff_",
                                     "Edit_g23_",  "Edit_g1_",       nullptr};
constexpr ToolKeys kDrilling{"Edit_szsz_", "CheckBox_szsz_", "Edit_sz_",
                             "Edit_szc_",  "CheckBox_szc_",  "Edit_ff_",
                             nullptr,      "Edit_g1_",       nullptr};
constexpr ToolKeys kNumbered{"Edit13", "CheckBox1", "Edit3", "Edit9", "CheckBox2",
                             "Edit14", "Edit5",     nullptr, "Edit6"};
// the spiral has no tool diameter, and its CheckBox1 belongs to the tool's whole depth
constexpr ToolKeys kSpiral{"Edit13", nullptr, nullptr, "Edit9", "CheckBox2",
                           "Edit14", "Edit5", nullptr, "Edit6"};

const ToolKeys& keysOf(const std::string& slug) {
    if (slug == "fibonacci") return kSpiral;
    if (slug == "circular-pocket") return kNumbered;
    if (slug == "cut-rectangle" || slug == "face-milling" || slug == "slot")
        return kNamedPlungeFirst;
    if (slug == "bolt-circle" || slug == "rectangle-holes") return kDrilling;
    return kNamed;
}

// What a save keeps of a table it could not read; the table itself is refused at 256 kB.
constexpr std::size_t kBackupMostBytes = 16 << 20;

struct Setting {
    ui::Control* control;
    std::string value;
};

void add(std::vector<Setting>& to, const ui::Form& page, const char* key, std::string value) {
    if (!key || value.empty()) return;
    if (ui::Control* c = page.find(key)) to.push_back({c, std::move(value)});
}

}  // namespace

void ToolBook::open(ui::Dialogs& dialogs) {
    table_.clear();
    unread_ = false;
    if (path_.empty()) return;
    ui::runEvent(dialogs, [&] {
        try {
            table_ = tools::load(path_);
        } catch (const Error& e) {
            unread_ = true;
            throw Error(std::string(e.what()) + " A program üres szerszámtáblával megy tovább.");
        }
    });
}

// A table the program could not read may still be the workshop's only list of its tools:
// a save over it is the user's choice, and the bytes are kept beside it, written as every
// file is, before the table replaces them.
bool ToolBook::keepUnreadFile(ui::Dialogs& dialogs) {
    platform::SmallFile old;
    if (int error = platform::readSmallFile(path_, kBackupMostBytes, old)) {
        if (error == ENOENT) return true;  // gone since the start: nothing to keep
        throw FileError(path_, error, true);
    }
    if (old.kind == platform::SmallFile::notRegular) return true;  // the writer refuses it
    if (old.kind == platform::SmallFile::tooLarge)
        throw tools::TableError("A(z) „" + path_ +
                                "” szerszámtábla nem menthető: a régi fájl nagyobb, mint " +
                                std::to_string(kBackupMostBytes >> 20) +
                                " MB, így másolata nem készülhet el mellette.");
    const std::string backup = path_ + ".bak";
    if (!dialogs.ask(tooleditor::kTitle, "A(z) „" + path_ +
                                             "” szerszámtábla induláskor nem volt olvasható. "
                                             "Felülírja az új táblával? A régi fájl „" +
                                             backup + "” néven megmarad."))
        return false;
    textfile::writeBytes(backup, old.bytes);
    backup_ = backup;
    return true;
}

bool ToolBook::replace(tools::Table table, ui::Dialogs& dialogs) {
    if (path_.empty()) throw Error("A rendszer nem nevez meg beállítási mappát.");
    tools::text(table, path_);  // a table that cannot be saved asks nothing
    backup_.clear();
    if (unread_ && !keepUnreadFile(dialogs)) return false;
    tools::save(path_, table);
    unread_ = false;
    table_ = std::move(table);
    for (const auto& listener : listeners_) listener();
    return true;
}

std::vector<ui::Control*> fillFromTool(const std::string& slug, ui::Form& page,
                                       const tools::Tool& tool, char separator) {
    using tools::Column;
    const ToolKeys& k = keysOf(slug);
    const NumberText num(separator);
    const auto local = [&](Column c) { return num.fromSeparator(tool.cell[c], '.'); };
    // the ticks first, so that their handlers switch the fields on before they are filled
    std::vector<Setting> settings;
    add(settings, page, k.noTool, "0");
    if (!tool.cell[Column::passDepth].empty()) add(settings, page, k.noPassDepth, "0");
    add(settings, page, k.number, tool.cell[Column::number]);
    add(settings, page, k.diameter, local(Column::diameter));
    add(settings, page, k.passDepth, local(Column::passDepth));
    add(settings, page, k.speed, tool.cell[Column::speed]);
    add(settings, page, k.g1, tool.cell[Column::feedG1]);
    add(settings, page, k.plunge, tool.cell[Column::feedPlunge]);
    add(settings, page, k.arcs, tool.cell[Column::feedArcs]);
    std::vector<ui::Control*> set;
    for (const Setting& s : settings) {
        std::string problem;
        if (ui::Handler setter = ui::valueSetter(*s.control, s.value, problem)) {
            setter();
            set.push_back(s.control);
        }
    }
    return set;
}

tools::Tool toolOf(const std::string& path, const std::string& number) {
    const std::string file = path.empty() ? tools::defaultPath() : path;
    if (file.empty()) throw tools::TableError("A rendszer nem nevez meg beállítási mappát.");
    // a table named on purpose must be there; the program's own is empty until first saved
    if (!path.empty() && !platform::stampOf(path).exists) throw FileError(path, ENOENT, true);
    const tools::Table table = tools::load(file);
    for (const tools::Tool& t : table)
        if (t.cell[tools::Column::number] == number) return t;
    throw tools::TableError("A(z) „" + file + "” szerszámtáblában nincs „" + number +
                            "” számú szerszám.");
}

ToolChoice::ToolChoice(ToolBook& book, std::string slug, ui::Form& page, char separator)
    : book_(book), slug_(std::move(slug)), page_(page), separator_(separator) {
    ui::Control* number = page.find(keysOf(slug_).number);
    // after the tool number, and after the "nincs" that stands beside it
    const auto& laid = page.laidOut();
    auto at = std::find(laid.begin(), laid.end(), number);
    const ui::Control* anchor = number;
    if (at != laid.end() && at + 1 != laid.end() && (*(at + 1))->kind() == ui::Kind::CheckBox)
        anchor = *(at + 1);
    page.declare(
        {ui::Form::Row(box_, toolchoice::kKey, {toolchoice::kCaption, {}}).shownAfter(*anchor)});
    box_.setHint("A szerszámtábla szerszámai (Feladat → Szerszámtábla…)");
    box_.onChange = [this] { chosen(); };
    const ToolKeys& k = keysOf(slug_);
    for (const char* key : {k.number, k.diameter, k.passDepth, k.speed, k.g1, k.plunge, k.arcs})
        if (ui::Control* field = key ? page.find(key) : nullptr)
            field->addListener([this] { fieldChanged(); });
    follow();
    book_.addListener([this] { follow(); });
}

// A tool still in the new table stays chosen (by its number); its fields keep their values.
void ToolChoice::follow() {
    std::vector<std::string> items{toolchoice::kNone};
    int index = 0;
    for (const tools::Tool& t : book_.table()) {
        if (t.toolNumber() == chosenNumber_) index = static_cast<int>(items.size());
        items.push_back(t.label(separator_));
    }
    box_.setItems(std::move(items), index);
    if (index == 0) chosenNumber_ = 0;
}

void ToolChoice::chosen() {
    const int i = box_.itemIndex();
    chosenNumber_ = 0;
    filled_.clear();
    if (i < 1 || i > static_cast<int>(book_.table().size())) return;
    filling_ = true;
    const auto set = fillFromTool(slug_, page_, book_.table()[i - 1], separator_);
    filling_ = false;
    chosenNumber_ = book_.table()[i - 1].toolNumber();
    for (ui::Control* c : set)
        if (c->kind() == ui::Kind::Edit) {
            const auto* field = static_cast<const ui::Edit*>(c);
            filled_.push_back({field, field->text()});
        }
}

void ToolChoice::fieldChanged() {
    if (filling_ || chosenNumber_ == 0) return;
    for (const Filled& f : filled_)
        if (f.field->text() != f.text) {
            chosenNumber_ = 0;
            filled_.clear();
            box_.select(0);
            return;
        }
}

std::vector<std::unique_ptr<ToolChoice>> addToolChoices(ToolBook& book,
                                                        const std::vector<std::string>& slugs,
                                                        const std::vector<ui::Form*>& pages,
                                                        char separator) {
    std::vector<std::unique_ptr<ToolChoice>> made;
    for (std::size_t i = 0; i < pages.size() && i < slugs.size(); ++i)
        if (!slugs[i].empty() && pages[i]->find(keysOf(slugs[i]).number))
            made.push_back(std::make_unique<ToolChoice>(book, slugs[i], *pages[i], separator));
    return made;
}

}  // namespace qorix
