// What the main window does with jobs (app/jobfile.h): the shown page's job saved and
// opened, the page's defaults brought back, and, when the user asks for it with "Utolsó
// értékek megőrzése", every page's values kept from one run to the next. The setting and
// the last values live in the program's folder of the user's configuration folder:
//   settings             "keep-last-values=1" or "...=0"
//   last/<slug>.qjob     each page's values when the program last closed
// All of it goes through the program's one whole-file replace.
#pragma once

#include <string>
#include <vector>

#include "app/mainwindowlogic.h"
#include "ui/dialogs.h"

namespace qorix {

namespace jobs {
inline constexpr const char* kMenu = "&Feladat";
inline constexpr const char* kSaveAs = "Mentés feladatként…";
inline constexpr const char* kOpen = "Feladat megnyitása…";
inline constexpr const char* kDefaults = "Alapértékek";
inline constexpr const char* kKeepLast = "Utolsó értékek megőrzése";
inline constexpr const char* kFilter = "Feladat (*.qjob);;Minden fájl (*)";
inline constexpr const char* kSaved = "Feladat mentve: ";
inline constexpr const char* kOpened = "Feladat betöltve: ";
inline constexpr const char* kDefaultsBack = "Az oldal mezői újra az alapértékeket mutatják.";
}  // namespace jobs

// The program's folder in the user's configuration folder; empty when the system names none.
std::string configurationFolder();

class PageJobs {
public:
    // Notes each page's defaults (the page made anew and started up); with the setting on, each
    // page then takes its last values (a missing file is a page never kept; a bad one is reported
    // and the page keeps its defaults). `folder` empty: no setting is read and nothing is kept.
    // `separator`: the run's decimal separator, which the jobs written name.
    PageJobs(MainWindowLogic& window, ui::Dialogs& dialogs, char separator, std::string folder);

    // Whether a page with a job is shown (a wizard is chosen, and its page has defaults).
    bool pageShown() const { return shownIndex() >= 0; }
    // The shown page's job, with ".qjob" added unless the name ends in it.
    void saveShown(const std::string& chosenName);
    void openShown(const std::string& path);
    // The shown page's fields and choices as at a fresh start.
    void defaultsShown();

    bool keepLast() const { return keepLast_; }
    // Written at once; a failed write throws and the setting stays as it was.
    void setKeepLast(bool on);
    // At the end of the run, with the setting on: every page's values as its last job. A
    // page whose job cannot be written is reported; the others are kept all the same.
    void storeLast();

    std::string settingsPath() const;
    std::string lastJobPath(const std::string& slug) const;

private:
    int shownIndex() const;
    bool readSetting() const;
    void takeLast();

    MainWindowLogic& window_;
    ui::Dialogs& dialogs_;
    char separator_;
    std::string folder_;
    std::vector<std::string> defaults_;  // each page's job at the start; empty without a slug
    bool keepLast_ = false;
};

}  // namespace qorix
