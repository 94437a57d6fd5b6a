#include "app/pagejobs.h"

#include "app/jobfile.h"
#include "app/wizardtable.h"
#include "link/installpaths.h"
#include "link/session.h"
#include "link/textfile.h"
#include "platform/files.h"
#include "ui/event.h"

namespace qorix {

namespace {

constexpr const char* kKeepLastLine = "keep-last-values=";

bool endsWithJob(const std::string& path) {
    const std::string ext = job::kExtension;
    if (path.size() < ext.size()) return false;
    for (std::size_t i = 0; i < ext.size(); ++i) {
        char c = path[path.size() - ext.size() + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != ext[i]) return false;
    }
    return true;
}

// A page's job as a fresh start shows it: made anew and started up as the main window starts
// it (a start-up reading may set fields of its own), away from the run's window and session.
std::string freshJob(const Wizard& wizard, char separator) {
    ui::RecordingDialogs quiet;
    const NumberText num(separator);
    Services services{quiet, num};
    std::unique_ptr<WizardPage> page = wizard.page(services);
    Session none;
    ui::runEvent(quiet, [&] { wizard.startup ? wizard.startup(*page, none) : page->startup(); });
    return job::text(wizard.slug, *page, separator);
}

void makeFolder(const std::string& folder) {
    if (int error = platform::makeFolders(folder)) throw FileError(folder, error);
}

}  // namespace

std::string configurationFolder() {
    const std::string base = platform::configFolder();
    return base.empty() ? base : base + kPathSeparator + "qorix-wizards";
}

PageJobs::PageJobs(MainWindowLogic& window, ui::Dialogs& dialogs, char separator,
                   std::string folder)
    : window_(window), dialogs_(dialogs), separator_(separator), folder_(std::move(folder)) {
    const auto& table = wizardTable();
    for (const Wizard& w : table)
        defaults_.push_back(w.slug.empty() ? std::string() : freshJob(w, separator_));
    keepLast_ = readSetting();
    if (keepLast_) takeLast();
}

int PageJobs::shownIndex() const {
    const int n = window_.wizardNumber;
    if (n < 1 || n > static_cast<int>(defaults_.size())) return -1;
    if (defaults_[n - 1].empty() || !window_.page(n).visible()) return -1;
    return n - 1;
}

void PageJobs::saveShown(const std::string& chosenName) {
    const int i = shownIndex();
    if (i < 0) return;
    std::string path = platform::nativePath(chosenName);
    if (!endsWithJob(path)) path += job::kExtension;
    job::save(path, wizardTable()[i].slug, *window_.pages()[i], separator_);
    window_.StatusLine.setCaption(jobs::kSaved + path);
}

void PageJobs::openShown(const std::string& path) {
    const int i = shownIndex();
    if (i < 0) return;
    const std::string native = platform::nativePath(path);
    job::load(native, wizardTable()[i].slug, *window_.pages()[i], separator_);
    window_.StatusLine.setCaption(jobs::kOpened + native);
}

void PageJobs::defaultsShown() {
    const int i = shownIndex();
    if (i < 0) return;
    job::apply(defaults_[i], jobs::kDefaults, wizardTable()[i].slug, *window_.pages()[i],
               separator_);
    window_.StatusLine.setCaption(jobs::kDefaultsBack);
}

std::string PageJobs::settingsPath() const { return folder_ + kPathSeparator + "settings"; }

std::string PageJobs::lastJobPath(const std::string& slug) const {
    return folder_ + kPathSeparator + "last" + kPathSeparator + slug + job::kExtension;
}

// A setting that cannot be read leaves the default start, as the specified start is.
bool PageJobs::readSetting() const {
    if (folder_.empty()) return false;
    platform::SmallFile file;
    if (platform::readSmallFile(settingsPath(), 4096, file) != 0 ||
        file.kind != platform::SmallFile::regular)
        return false;
    for (const std::string& line : textfile::splitTextLines(file.bytes))
        if (line.rfind(kKeepLastLine, 0) == 0) return line == std::string(kKeepLastLine) + "1";
    return false;
}

void PageJobs::setKeepLast(bool on) {
    if (folder_.empty()) throw Error("A rendszer nem nevez meg beállítási mappát.");
    makeFolder(folder_);
    textfile::writeBytes(settingsPath(), std::string(kKeepLastLine) + (on ? "1" : "0") + "\n");
    keepLast_ = on;
}

void PageJobs::takeLast() {
    const auto& table = wizardTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (defaults_[i].empty()) continue;
        const std::string path = lastJobPath(table[i].slug);
        if (!platform::stampOf(path).exists) continue;
        ui::runEvent(dialogs_,
                     [&] { job::load(path, table[i].slug, *window_.pages()[i], separator_); });
    }
}

void PageJobs::storeLast() {
    if (!keepLast_) return;
    const auto& table = wizardTable();
    if (!ui::runEvent(dialogs_, [&] { makeFolder(folder_ + kPathSeparator + "last"); })) return;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (!defaults_[i].empty())
            ui::runEvent(dialogs_, [&] {
                job::save(lastJobPath(table[i].slug), table[i].slug, *window_.pages()[i],
                          separator_);
            });
}

}  // namespace qorix
