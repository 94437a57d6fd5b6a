#include "app/mainwindowlogic.h"

#include "app/wizardtable.h"
#include "link/aboutbox.h"
#include "link/exchange.h"
#include "link/installpaths.h"
#include "link/textfile.h"
#include "platform/files.h"
#include "program/reader.h"
#include "ui/event.h"
#include "wizards/common/messages.h"

namespace qorix {

namespace {

std::vector<std::string> entryTexts() {
    std::vector<std::string> texts;
    for (const auto& e : wizardTable()) texts.push_back(e.text);
    return texts;
}

Session& sessionOf(Services& services) {
    if (!services.session) throw Error("A közös tároló hiányzik.");
    return *services.session;
}

bool holdsProgram(const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        if (line.find_first_not_of(" \t\r") != std::string::npos) return true;
    return false;
}

// Whether the program reader finds a move of the tool in the lines.
bool movesTheTool(const std::vector<std::string>& lines, char separator) {
    program::ReadOptions options;
    options.decimalSeparator = separator;
    const program::ReadResult read = program::readProgram(lines, options);
    for (const auto& m : read.path.moves)
        if (read.path.isMotion(m)) return true;
    return false;
}

bool endsWithTap(const std::string& name) {
    if (name.size() < 4) return false;
    std::string end = name.substr(name.size() - 4);
    for (char& c : end)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return end == ".tap";
}

}  // namespace

std::string targetPath(const std::string& chosenName) {
    std::string path = platform::nativePath(chosenName);
    return endsWithTap(path) ? path : path + ".tap";
}

MainWindowLogic::MainWindowLogic(Services& services, std::string firstArgument)
    : ui::Form("MainWindowLogic", mainwindow::kCaption),
      ComboBox1(this, "ComboBox1", mainwindow::kListText, entryTexts()),
      Button3(this, "Button3", mainwindow::kChooseFirst),
      Button1(this, "Button1", "About"),
      Button4(this, "Button4", "Exit"),
      CheckBox1(this, "CheckBox1", "QORIX nélküli futtatás", false),
      Memo1(this, "Memo1"),
      StatusLine(this, "StatusLine"),
      services_(services),
      session_(sessionOf(services)),
      firstArgument_(std::move(firstArgument)) {
    Button3.setEnabled(false);
    Memo1.setVisible(false);
    // every page hidden until a wizard is chosen
    for (const auto& e : wizardTable()) {
        pages_.push_back(e.page(services_));
        pages_.back()->setVisible(false);
        pages_.back()->onNotice = [this](const std::string& text) { StatusLine.setCaption(text); };
        if (e.showInAbout && services_.store) e.showInAbout(*pages_.back(), *services_.store);
    }
    keptRevision_.assign(pages_.size(), 0);
    ComboBox1.onChange = [this] { ComboBox1Change(); };
    Button3.onClick = [this] { Button3Click(); };
    Button1.onClick = [this] { Button1Click(); };
    Button4.onClick = [this] { Button4Click(); };
    CheckBox1.onClick = [this] { CheckBox1Click(); };
}

void MainWindowLogic::FormActivate() {
    if (startupMarker == mainwindow::kStarted) return;
    installFolder_ = installFolderFrom(firstArgument_);
    ExchangePaths paths = exchangePaths(installFolder_);
    exchangeFolder_ = paths.folder;
    session_.commandPath = paths.command;
    session_.dataPath = paths.data;
    session_.filePath = paths.file;
    session_.positionPath = paths.position;
    const auto& entries = wizardTable();
    // A page whose reading fails shows its messages; start-up goes on with the next page.
    for (auto& p : pages_) {
        const PageHook& own = entries[&p - &pages_[0]].startup;
        ui::runEvent(services_.dialogs, [&] { own ? own(*p, session_) : p->startup(); });
        p->setVisible(false);
    }
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].afterStartup) entries[i].afterStartup(*pages_[i], session_);
    // Marked before the warning: closing the box activates the window again, and that
    // activation must find the start-up done.
    startupMarker = mainwindow::kStarted;
    // what the pages show after start-up (the thread page's listing) is nobody's work yet
    for (int n = 1; n <= static_cast<int>(pages_.size()); ++n) noteKept(n);
    services_.dialogs.message(msg::kWarningCaption, mainwindow::kG59Warning);
}

std::string MainWindowLogic::sendCaption() const {
    return session_.standalone ? mainwindow::kSave : mainwindow::kSend;
}

void MainWindowLogic::ComboBox1Change() {
    int index = ComboBox1.itemIndex();
    if (index >= 0 && index < static_cast<int>(pages_.size())) {
        for (int i = 0; i < static_cast<int>(pages_.size()); ++i)
            if (i != index) pages_[i]->setVisible(false);
        pages_[index]->setVisible(true);
        wizardNumber = index + 1;
        const PageHook& extra = wizardTable()[index].onSelect;
        if (extra) extra(*pages_[index], session_);
    }
    sendState = 1;
    Button3.setCaption(sendCaption());
    // Text typed into the list chooses no page: before any page was shown there is nothing
    // the button could send.
    Button3.setEnabled(wizardNumber != 0);
}

void MainWindowLogic::Button3Click() {
    if (sendState == 1)
        saveStep();
    else
        backStep();
}

void MainWindowLogic::writePathFile(const std::string& target) {
    Memo1.setLines({target});
    if (!session_.standalone) {
        textfile::writeLines(session_.filePath, Memo1.lines());
        return;
    }
    // Without QORIX the exchange folder may well be missing: the save must not depend on it.
    try {
        textfile::writeLines(session_.filePath, Memo1.lines());
    } catch (const FileError& failure) {
        if (services_.store)
            services_.store->LogLine("file.txt nem írható, a program mentése folytatódik: ",
                                     failure.what());
    }
}

bool MainWindowLogic::outputMaySave() {
    WizardPage& current = page(wizardNumber);
    if (!holdsProgram(current.Memo1.lines())) {
        services_.dialogs.message(msg::kWarningCaption, mainwindow::kEmptyOutput);
        return false;
    }
    // a page's listing of its values (the thread page's at start) is no program for QORIX
    if (!movesTheTool(current.Memo1.lines(), services_.num.separator()) &&
        !services_.dialogs.ask(msg::kWarningCaption, mainwindow::kNoMove))
        return false;
    return !current.inputsChangedSinceCreate() ||
           services_.dialogs.ask(msg::kWarningCaption, mainwindow::kStaleOutput);
}

// Sending an empty box told QORIX to load a program that was never written: the step needs
// a page with a program. Then the program first, then "file.txt", then the load code:
// "file.txt" never names a program that is not on disk whole, and a step that fails stops
// the send before the load code.
void MainWindowLogic::saveStep() {
    if (wizardNumber == 0 || !outputMaySave()) return;
    StatusLine.setCaption("");
    std::string name = services_.dialogs.saveFileName();
    if (name.empty()) return;
    std::string target = targetPath(name);
    // QORIX reads the path in Windows-1250: a name it cannot hold would load another program
    if (std::string why = textfile::cp1250LineProblem(target); !why.empty())
        throw Error("A program neve nem adható át a QORIX-nek: " + why + ". Válassz más nevet.");
    textfile::writeLines(target, page(wizardNumber).Memo1.lines());
    noteKept(wizardNumber);
    writePathFile(target);
    bool host = !session_.standalone;
    if (host) page(wizardNumber).setVisible(false);
    if (host) sendState = 0;
    Button3.setCaption(host ? mainwindow::kBack : mainwindow::kSave);
    if (host) exchange::writeLoadCode(session_);
    StatusLine.setCaption(mainwindow::kSavedTo + target + (host ? mainwindow::kLoadAsked : "."));
}

void MainWindowLogic::backStep() {
    Button3.setCaption(sendCaption());
    if (wizardNumber != 0) page(wizardNumber).setVisible(true);
    sendState = 1;
}

void MainWindowLogic::noteKept(int wizardNumber) {
    keptRevision_.at(wizardNumber - 1) = page(wizardNumber).Memo1.revision();
}

bool MainWindowLogic::unsavedOutput(int wizardNumber) const {
    const ui::Memo& out = page(wizardNumber).Memo1;
    return out.revision() != keptRevision_.at(wizardNumber - 1) && holdsProgram(out.lines());
}

bool MainWindowLogic::mayOpenOver(int wizardNumber) {
    return !unsavedOutput(wizardNumber) ||
           services_.dialogs.ask(msg::kWarningCaption, mainwindow::kUnsavedOpen);
}

void MainWindowLogic::programOpened(int wizardNumber, std::vector<std::string> lines) {
    page(wizardNumber).Memo1.setLines(std::move(lines));
    noteKept(wizardNumber);
}

bool MainWindowLogic::mayEnd() {
    std::string pages;
    for (int n = 1; n <= static_cast<int>(pages_.size()); ++n)
        if (unsavedOutput(n)) pages += (pages.empty() ? "" : ", ") + wizardTable()[n - 1].text;
    return pages.empty() ||
           services_.dialogs.ask(msg::kWarningCaption,
                                 mainwindow::kUnsavedExit + pages + mainwindow::kUnsavedExitEnd);
}

// The end code tells QORIX that the wizards are gone: it is written only once they are.
void MainWindowLogic::Button4Click() {
    if (!mayEnd()) return;
    if (!session_.standalone) {
        // QORIX must learn that the wizards have ended: a failed write keeps the window open
        exchange::writeEndCode(session_);
    } else {
        // Without QORIX nobody waits for the code, and a missing exchange folder must not
        // keep the program from ending (its saves do not need the folder either).
        try {
            exchange::writeEndCode(session_);
        } catch (const FileError& failure) {
            if (services_.store)
                services_.store->LogLine("adatcsere.txt nem írható, a program kilép: ",
                                         failure.what());
        }
    }
    if (closeWindow) closeWindow();
}

void MainWindowLogic::CheckBox1Click() {
    session_.standalone = CheckBox1.checked();
    Button3.setCaption(sendCaption());
}

void MainWindowLogic::Button1Click() {
    if (showAbout) showAbout();
}

}  // namespace qorix
