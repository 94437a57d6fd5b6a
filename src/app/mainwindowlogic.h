// MainWindowLogic, the main window "QORIX varázslók": the wizard list, one page per wizard in one
// place below the top bar, the send button that saves a page's program (standalone) or hands
// it to QORIX (host mode), "About" and "Exit". Written against the control models only; the
// Qt face renders it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"
#include "wizards/common/page.h"

namespace qorix {

struct Session;

namespace mainwindow {
inline constexpr const char* kCaption = "QORIX varázslók";
inline constexpr const char* kChooseFirst = "Válassz varázslót először!!";
inline constexpr const char* kSend = "Küldés az QORIX-be";
inline constexpr const char* kSave = "Mentés";
inline constexpr const char* kBack = "Vissza az utolsó varázslóba";
inline constexpr const char* kListText = "Válassz a varázslókból egyet";
inline constexpr const char* kG59Warning =
    "A varázsló bizonyos esetekben a \"G59\"-es offsetet használja. Ha van beállított értéked "
    "mentsd el magadnak és a varázsló használata után állítsd vissza.";
inline constexpr const char* kEmptyOutput =
    "A kimenet üres: nincs mit menteni vagy elküldeni. Előbb készítsd el a programot a "
    "\"Létrehozás\" gombbal.";
inline constexpr const char* kStaleOutput =
    "A legutóbbi \"Létrehozás\" óta megváltoztak a mezők: a kimenet még a régebbi programot "
    "tartalmazza. Mégis ezt a programot mented vagy küldöd el?";
inline constexpr const char* kNoMove =
    "A kimenetben nincs egyetlen mozgás sem (G0, G1, G2, G3 vagy fúróciklus), így ez nem a gépnek "
    "szóló program, csak például az oldal értékeinek listája. Mégis elmented vagy elküldöd?";
inline constexpr const char* kUnsavedExit =
    "Még nem mentett és el nem küldött program van ezeken az oldalakon: ";
inline constexpr const char* kUnsavedExitEnd = ". Kilépéskor elvész. Mégis kilépsz?";
inline constexpr const char* kUnsavedOpen =
    "A kimenetben lévő programot még nem mentetted el és nem küldted el. A megnyitott fájl a "
    "helyére kerül (a kimenetben a Ctrl+Z visszahozza). Mégis megnyitod?";
inline constexpr const char* kSavedTo = "Mentve: ";
inline constexpr const char* kLoadAsked = " – a QORIX betöltésre utasítva.";
inline constexpr int kStarted = 21;  // the start-up marker once the first activation ran
}  // namespace mainwindow

class MainWindowLogic : public ui::Form {
public:
    // services.session must be set: the standalone flag and the exchange paths;
    // services.store, when set, takes the log lines of the send step.
    // firstArgument: the first command-line argument (the install folder), or empty.
    MainWindowLogic(Services& services, std::string firstArgument);

    void FormActivate();
    void ComboBox1Change();
    void Button3Click();
    void Button4Click();
    void CheckBox1Click();
    void Button1Click();

    ui::ComboBox ComboBox1;
    ui::Button Button3;
    ui::Button Button1;
    ui::Button Button4;
    ui::CheckBox CheckBox1;
    ui::Memo Memo1;        // the path buffer for file.txt, covered by the wizard list
    ui::Label StatusLine;  // what the last save or send did

    // Window state: zero until the window is used.
    int wizardNumber = 0;  // 1..8 in the order of the list; 0 before any choice
    int sendState = 0;     // 1: the next press sends; 0: it goes back to the last page
    int startupMarker = 0;

    const std::string& installFolder() const { return installFolder_; }
    // The pages in the order of the list; page(n) is the page of wizard number n.
    const std::vector<std::unique_ptr<WizardPage>>& pages() const { return pages_; }
    WizardPage& page(int wizardNumber) const { return *pages_.at(wizardNumber - 1); }

    // Whether the output of wizard n holds a program changed since the start, or since it was
    // last saved, sent or opened.
    bool unsavedOutput(int wizardNumber) const;
    // Before a file replaces the output of wizard n: asks when that holds an unsaved program.
    bool mayOpenOver(int wizardNumber);
    // A program file read into the output of wizard n: what is on disk is not unsaved.
    void programOpened(int wizardNumber, std::vector<std::string> lines);

    // What the front end provides: show the About window without making it modal, and close
    // the main window (which ends the program).
    std::function<void()> showAbout;
    std::function<void()> closeWindow;

private:
    std::string sendCaption() const;
    void saveStep();
    // Whether the current page's output may be saved: it holds a program, and one made from
    // the fields as they stand, or the user wants the older one all the same.
    bool outputMaySave();
    void backStep();
    void writePathFile(const std::string& target);
    void noteKept(int wizardNumber);
    // Whether the user lets the program end with the unsaved outputs it would lose.
    bool mayEnd();

    Services& services_;
    Session& session_;
    std::string firstArgument_;
    std::string installFolder_;
    std::string exchangeFolder_;
    std::vector<std::unique_ptr<WizardPage>> pages_;
    std::vector<std::uint64_t> keptRevision_;  // each output's revision when last kept
};

// The program file's path for a name chosen in the save dialog: ".tap" is appended unless
// the name already ends in it (in any letter case); written with the system's own separator
// (Qt's dialogs give "/" on Windows too).
std::string targetPath(const std::string& chosenName);

}  // namespace qorix
