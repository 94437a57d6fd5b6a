// A page takes its tool from the tool table (app/tooltable.h): the run's table (ToolBook),
// the fields that a tool fills on each page, and the choice of a tool beside a page's tool
// fields (ToolChoice).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/tooltable.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace qorix {

namespace toolchoice {
inline constexpr const char* kEditor = "Szerszámtábla…";
inline constexpr const char* kCaption = "Szerszám a táblából:";
inline constexpr const char* kNone = "nincs";
inline constexpr const char* kKey = "ComboBox_szt_";
}  // namespace toolchoice

// The tool table of the run, read once at the start. A table that cannot be read is
// reported and the run goes on with an empty one; the file stays as it was until the user
// saves the table from the editor, who is asked first and finds the file kept beside it.
class ToolBook {
public:
    // `path` empty: the system names no configuration folder, and the table cannot be saved.
    explicit ToolBook(std::string path) : path_(std::move(path)) {}
    // Reads the file; a failure shows its message and leaves the table empty.
    void open(ui::Dialogs& dialogs);

    const std::string& path() const { return path_; }
    const tools::Table& table() const { return table_; }
    // Written through the whole-file replace, then every choice follows; a refused table
    // throws and nothing changes. Over a file that could not be read the user is asked first
    // (false for no, and nothing is written), and on yes that file is kept as backup().
    bool replace(tools::Table table, ui::Dialogs& dialogs);
    // The file kept beside the table by the last save ("tools.txt.bak"); empty when none was.
    const std::string& backup() const { return backup_; }
    void addListener(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }

private:
    bool keepUnreadFile(ui::Dialogs& dialogs);

    std::string path_;
    tools::Table table_;
    bool unread_ = false;  // what is at path_ is no table we read: the user's, not ours
    std::string backup_;
    std::vector<std::function<void()>> listeners_;
};

// The tool's values set into the fields of the page of wizard `slug` that it has, each as
// typing it would (ui::valueSetter); the fields the tool leaves empty, and those the page does
// not have, keep their values. A "nincs" tick of a field that the tool fills is cleared first.
// Returns the fields it set.
std::vector<ui::Control*> fillFromTool(const std::string& slug, ui::Form& page,
                                       const tools::Tool& tool, char separator);

// The tool numbered `number` of the table at `path` (the program's own table when empty);
// throws TableError (or FileError) with a Hungarian message when it cannot be had.
tools::Tool toolOf(const std::string& path, const std::string& number);

// "Szerszám a táblából:" on a page, shown after its tool number: "nincs" (which changes
// nothing) and the table's tools; choosing one fills the page's tool fields, which stay
// editable. It follows the table when the editor saves it. Once a field it filled holds
// another value (typed, "Alapértékek", a job), it says "nincs" again: it never names a tool
// that the fields no longer hold. Must not outlive the page.
class ToolChoice {
public:
    ToolChoice(ToolBook& book, std::string slug, ui::Form& page, char separator);
    ui::ComboBox& box() { return box_; }

private:
    void follow();
    void chosen();
    void fieldChanged();

    ToolBook& book_;
    std::string slug_;
    ui::Form& page_;
    char separator_;
    int chosenNumber_ = 0;  // the tool last chosen; 0 for "nincs"
    struct Filled {
        const ui::Edit* field;
        std::string text;
    };
    std::vector<Filled> filled_;  // the chosen tool's fields, as it filled them
    bool filling_ = false;
    ui::ComboBox box_;
};

// The choice on every page that asks for a tool (the pages without a tool number get none).
std::vector<std::unique_ptr<ToolChoice>> addToolChoices(ToolBook& book,
                                                        const std::vector<std::string>& slugs,
                                                        const std::vector<ui::Form*>& pages,
                                                        char separator);

}  // namespace qorix
