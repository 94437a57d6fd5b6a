// The send step as QORIX must see it: the program on disk whole before "file.txt" names it,
// and the load code last; a name or command that Windows-1250 cannot hold never reaches QORIX;
// the desktop program's save goes through the same safe replacement as --output.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/cli.h"
#include "app/mainwindowlogic.h"
#include "link/fileguard.h"
#include "link/textfile.h"
#include "support/golden.h"
#include "support/posixfiles.h"
#include "support/storeservices.h"
#include "ui/event.h"

namespace qorix::test {
namespace {

namespace fs = std::filesystem;

void putBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class SendStep : public ::testing::Test, protected StoreServices {
protected:
    SendStep() {
        fs::create_directories(exchange());
        form.closeWindow = [] {};
        run([&] { form.FormActivate(); });
        run([&] { form.ComboBox1.select(3); });
        run([&] { form.page(4).Button1.click(); });
        dialogs.clearMessages();
        putBytes(exchange() / "file.txt", "régi\r\n");
        putBytes(exchange() / "adatcsere.txt", "E");
    }
    fs::path exchange() const { return install.path() / "Wizards" / "Kombinat"; }
    bool run(const std::function<void()>& event) { return ui::runEvent(dialogs, event); }
    void send(const std::string& chosen) {
        dialogs.chooseFile(chosen);
        run([&] { form.Button3.click(); });
    }
    // QORIX was told nothing: file.txt and the code as they were
    void nothingSent() {
        EXPECT_EQ(readBytes(exchange() / "file.txt"), "régi\r\n");
        EXPECT_EQ(readBytes(exchange() / "adatcsere.txt"), "E");
        EXPECT_TRUE(form.page(4).visible());
        EXPECT_EQ(form.sendState, 1);
    }

    TempDir install;
    TempDir saves;
    MainWindowLogic form{services, install.path().string()};
};

// A name the code page cannot hold was written as "?" into file.txt: QORIX loaded another
// program, or none.
TEST_F(SendStep, ANameWindows1250CannotHoldIsRefusedBeforeAnythingIsWritten) {
    struct Case {
        std::string name, why;
    };
    for (const Case& c : std::vector<Case>{
             {"prog_日本", "a(z) „日” karakter nem írható le a Windows-1250 kódlappal"},
             {"prog_😀", "a(z) „😀” karakter nem írható le a Windows-1250 kódlappal"},
             {"prog_\xFF", "érvénytelen bájtot tartalmaz (0xFF)"},
             {"prog\r\nmásik", "sortörést vagy más vezérlőkaraktert tartalmaz"},
         }) {
        for (int standalone : {0, 1}) {
            run([&] { form.CheckBox1.setChecked(standalone == 1); });
            dialogs.clearMessages();
            send(saves.file("") + c.name);  // also a name that is no UTF-8
            ASSERT_EQ(dialogs.messages().size(), 1u) << c.why;
            EXPECT_EQ(
                dialogs.messages()[0],
                (ui::Message{ui::kFailureCaption, "A program neve nem adható át a QORIX-nek: " +
                                                      c.why + ". Válassz más nevet."}));
            nothingSent();
            EXPECT_TRUE(filesIn(saves.path()).empty());
        }
    }
    // accented Hungarian letters are held: the send goes through
    run([&] { form.CheckBox1.setChecked(false); });
    dialogs.clearMessages();
    send(saves.file("árvíztűrő"));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(readBytes(exchange() / "adatcsere.txt"), "L");
}

// The program is saved first: when it cannot be, file.txt still names the earlier one.
TEST_F(SendStep, AProgramThatCannotBeSavedLeavesFileTxtAsItWas) {
    send((saves.path() / std::string(300, 'p')).string());  // a name too long
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].text.find("nem írható: a fájlnév túl hosszú."),
              std::string::npos);
    nothingSent();
}

// Then file.txt: when it cannot be written, the program is on disk and no load code is sent.
TEST_F(SendStep, AFileTxtThatCannotBeWrittenSendsNoLoadCode) {
    setMode(exchange() / "file.txt", 0444);
    const std::string chosen = (saves.path() / "prog").string();
    send(chosen);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, "A(z) „" + (exchange() / "file.txt").string() +
                                              "” fájl nem írható: a fájl csak olvasható.");
    EXPECT_NE(readBytes(chosen + ".tap").find("\r\nM30\r\n"), std::string::npos);
    nothingSent();
}

// The desktop program saves through the same replacement as --output: a read-only program
// is refused, a link is written through, and the file keeps its mode.
TEST_F(SendStep, TheDesktopSaveReplacesOnlyWhatItShould) {
    run([&] { form.CheckBox1.setChecked(true); });
    const fs::path kept = saves.path() / "kept.tap";
    putBytes(kept, "G0 X1\r\n");
    setMode(kept, 0444);
    send(kept.string());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text,
              "A(z) „" + kept.string() + "” fájl nem írható: a fájl csak olvasható.");
    EXPECT_EQ(readBytes(kept), "G0 X1\r\n");
    EXPECT_EQ(readBytes(exchange() / "file.txt"), "régi\r\n");

    if (!kPosixFiles) return;  // a link and a POSIX mode, as QORIX_NEEDS_POSIX_FILES says
    dialogs.clearMessages();
    fs::create_directory(saves.path() / "real");
    putBytes(saves.path() / "real" / "job.tap", "old\r\n");
    setMode(saves.path() / "real" / "job.tap", 0600);
    fs::create_symlink("real/job.tap", saves.path() / "job.tap");
    send((saves.path() / "job.tap").string());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(fs::is_symlink(saves.path() / "job.tap"));
    EXPECT_NE(readBytes(saves.path() / "real" / "job.tap").find("\r\nM30\r\n"), std::string::npos);
    EXPECT_EQ(modeOf(saves.path() / "real" / "job.tap"), 0600u);
}

// No wizard chosen, so no program: file.txt named a program that was never written, and
// QORIX was told to load it.
TEST_F(SendStep, ASendBeforeAnyWizardWasChosenNamesAndLoadsNothing) {
    MainWindowLogic fresh{services, install.path().string()};
    run([&] { fresh.FormActivate(); });
    run([&] { fresh.ComboBox1.editText("Kör"); });
    ASSERT_EQ(fresh.wizardNumber, 0);
    EXPECT_FALSE(fresh.Button3.enabled());  // typed text shows no page: the button stays off
    dialogs.chooseFile((saves.path() / "semmi").string());
    run([&] { fresh.Button3.click(); });
    EXPECT_EQ(readBytes(exchange() / "file.txt"), "régi\r\n");
    EXPECT_EQ(readBytes(exchange() / "adatcsere.txt"), "E");
    EXPECT_TRUE(filesIn(saves.path()).empty());
}

// The MDI command is one line of Windows-1250 in command.txt, or nothing at all.
TEST_F(SendStep, AnMdiCommandWindows1250CannotHoldIsRefused) {
    for (const char* command : {"G0 X日", "G0\r\nM30", "G0 \xFF"}) {
        store.Edit1.setText(command);
        dialogs.clearMessages();
        EXPECT_FALSE(run([&] { store.Button1.click(); }));
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].text.rfind("A parancs nem adható át a QORIX-nek: ", 0), 0u)
            << dialogs.messages()[0].text;
        EXPECT_FALSE(fs::exists(exchange() / "command.txt"));
        EXPECT_EQ(readBytes(exchange() / "adatcsere.txt"), "E");
    }
    std::ostringstream out, err;
    RecordingSleeper sleeper;
    EXPECT_EQ(runCli({"mdi", install.path().string(), "G0 X日"}, out, err, ',', sleeper), 1);
    EXPECT_NE(err.str().find("QORIX varázslók: A parancs nem adható át a QORIX-nek: a(z) „日” "
                             "karakter nem írható le a Windows-1250 kódlappal."),
              std::string::npos)
        << err.str();
    EXPECT_FALSE(fs::exists(exchange() / "command.txt"));
}

// --output goes through the same code: through a link, keeping the mode; a pipe is refused.
TEST(OutputReplace, TheCommandLineWritesThroughALinkAndKeepsTheMode) {
    QORIX_NEEDS_POSIX_FILES();
    TempDir dir;
    putBytes(dir.path() / "real.tap", "old\r\n");
    setMode(dir.path() / "real.tap", 0640);
    fs::create_symlink("real.tap", dir.path() / "job.tap");
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"generate", "cut-circle", "--output=" + dir.file("job.tap")}, out, err, ','),
              0)
        << err.str();
    EXPECT_TRUE(fs::is_symlink(dir.path() / "job.tap"));
    EXPECT_NE(readBytes(dir.path() / "real.tap").find("\r\nM30\r\n"), std::string::npos);
    EXPECT_EQ(modeOf(dir.path() / "real.tap"), 0640u);

    ASSERT_EQ(mkfifo(dir.file("pipe").c_str(), 0644), 0);
    std::ostringstream out2, err2;
    EXPECT_EQ(runCli({"generate", "cut-circle", "--output=" + dir.file("pipe")}, out2, err2, ','),
              1);
    EXPECT_NE(err2.str().find("QORIX varázslók: A(z) „" + dir.file("pipe") +
                              "” fájl nem írható: nem közönséges fájl, hanem mappa, "
                              "csővezeték vagy eszköz."),
              std::string::npos)
        << err2.str();
    EXPECT_TRUE(fs::is_fifo(dir.path() / "pipe"));
}

}  // namespace
}  // namespace qorix::test
