// The main window's logic through its control models: start-up, wizard selection, the send
// and back steps in both modes with the bytes they leave on disk, and Exit.
#include "app/mainwindowlogic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "link/aboutbox.h"
#include "link/installpaths.h"
#include "link/textfile.h"
#include "support/golden.h"
#include "support/storeservices.h"
#include "ui/event.h"
#include "wizards/common/messages.h"
#include "wizards/contour/circularpocket.h"
#include "wizards/contour/rectanglepocket.h"
#include "wizards/drilling/boltcircle.h"
#include "wizards/spiral/fibonacci.h"
#include "wizards/thread/threadrepair.h"

namespace qorix {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempDir;

const ui::Message kG59{"Figyelmeztetés",
                       "A varázsló bizonyos esetekben a \"G59\"-es offsetet használja. Ha van "
                       "beállított értéked mentsd el magadnak és a varázsló használata után "
                       "állítsd vissza."};

// The worked example as the program file holds it: Windows-1250, CR LF after every line.
std::string workedExampleBytes() {
    std::string bytes;
    for (const auto& line :
         test::readTextLines(test::goldenDir() / "cut-circle/worked-example.tap"))
        bytes += textfile::toCp1250(line) + "\r\n";
    return bytes;
}

class MainWindowLogicTest : public ::testing::Test, protected test::StoreServices {
protected:
    explicit MainWindowLogicTest(bool makeExchangeFolder = true) {
        if (makeExchangeFolder) fs::create_directories(exchange());
        form.closeWindow = [this] { ++closes; };
    }

    fs::path exchange() const { return install.path() / "Wizards" / "Kombinat"; }
    std::string exchangeFile(const char* name) const { return readBytes(exchange() / name); }
    bool run(const std::function<void()>& event) { return ui::runEvent(dialogs, event); }
    void activate() {
        run([&] { form.FormActivate(); });
    }
    // Start-up, then the cut circle chosen and its program created with the defaults.
    void cutCircleCreated() {
        activate();
        run([&] { form.ComboBox1.select(3); });
        run([&] { form.page(4).Button1.click(); });
        dialogs.clearMessages();
    }
    WizardPage& cutCircle() { return form.page(4); }

    TempDir install;
    TempDir saves;
    MainWindowLogic form{services, install.path().string()};
    int closes = 0;
    const std::vector<std::string>& logLines() const { return store.Memo2.lines(); }
};

TEST_F(MainWindowLogicTest, WindowHasItsCaptionListAndTopBar) {
    EXPECT_EQ(form.caption(), "QORIX varázslók");
    EXPECT_EQ(form.ComboBox1.text(), "Válassz a varázslókból egyet");
    EXPECT_EQ(
        form.ComboBox1.items(),
        (std::vector<std::string>{"Fibonacci spirál", "Körzseb (circular pocket)",
                                  "Téglalapzseb (rectangle pocket)", "Kör kivágás (cut circle)",
                                  "Téglalap kivágás (cut rectangle)",
                                  "Fúrás kör mentén (drill circular bolt pattern)",
                                  "Fúrás Téglalap mentén (drill rectangle bolt pattern)",
                                  "Menet javítás", "Síkmarás (face milling)", "Horony (slot)"}));
    EXPECT_EQ(form.Button3.caption(), "Válassz varázslót először!!");
    EXPECT_FALSE(form.Button3.enabled());
    EXPECT_EQ(form.Button1.caption(), "About");
    EXPECT_EQ(form.Button4.caption(), "Exit");
    EXPECT_EQ(form.CheckBox1.caption(), "QORIX nélküli futtatás");
    EXPECT_FALSE(form.CheckBox1.checked());
    EXPECT_FALSE(form.Memo1.visible());
    ASSERT_EQ(form.pages().size(), 10u);
    EXPECT_EQ(form.page(4).formName(), "CutCirclePage");
    EXPECT_EQ(form.page(7).formName(), "RectangleHolesPage");
    EXPECT_EQ(form.wizardNumber, 0);
    EXPECT_EQ(form.sendState, 0);
    EXPECT_EQ(form.startupMarker, 0);
}

TEST_F(MainWindowLogicTest, FirstActivationSetsPathsAndWarnsOnceOverTwoActivations) {
    auto& drilling = static_cast<BoltCirclePage&>(form.page(6));
    drilling.values().preparedCount = 7;
    activate();
    const std::string folder = exchange().string() + kPathSeparator;
    EXPECT_EQ(shared.commandPath, folder + "command.txt");
    EXPECT_EQ(shared.dataPath, folder + "adatcsere.txt");
    EXPECT_EQ(shared.filePath, folder + "file.txt");
    EXPECT_EQ(shared.positionPath, folder + "GetXYZ.txt");
    EXPECT_EQ(drilling.values().preparedCount, 0);
    EXPECT_EQ(form.startupMarker, 21);
    for (const auto& p : form.pages()) EXPECT_FALSE(p->visible()) << p->formName();
    EXPECT_EQ(dialogs.messages(), std::vector<ui::Message>{kG59});
    activate();
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

TEST_F(MainWindowLogicTest, StartupReadsEveryPageWithItsDefaults) {
    activate();
    auto& page = static_cast<CommonPage&>(cutCircle());
    EXPECT_EQ(page.rec.passes, 1);
    EXPECT_EQ(page.rec.safeZ, 5.0L);
    EXPECT_EQ(page.rec.error, 0);
}

TEST_F(MainWindowLogicTest, StartupRunsEachPagesOwnSteps) {
    activate();
    for (const auto& p : form.pages()) EXPECT_FALSE(p->errorFlag()) << p->formName();
    // the spiral only reads: its "as in the picture" box sets one turn and a half
    auto& spiral = static_cast<FibonacciSpiralPage&>(form.page(1));
    EXPECT_EQ(spiral.Edit3.text(), "1");
    EXPECT_EQ(spiral.RadioGroup2.itemIndex(), 2);
    // the thread repair reads, lists its values and prepares: 1,5 deep in steps of 0,6
    auto& thread = static_cast<ThreadRepairPage&>(form.page(8));
    ASSERT_FALSE(thread.Memo1.lines().empty());
    EXPECT_EQ(thread.Memo1.lines().front(), "_x_=0,0000");
    EXPECT_EQ(thread.values().passes, 3);
}

TEST_F(MainWindowLogicTest, APageThatFailsAtStartupShowsItsBoxesAndTheOthersStillStart) {
    cutCircle().findAs<ui::Edit>("Edit_r_")->setText("");
    activate();
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[0], (ui::Message{msg::kErrorCaption, msg::kCircleZero}));
    EXPECT_EQ(dialogs.messages()[1], kG59);
    EXPECT_TRUE(cutCircle().errorFlag());
    // pages after it in the start-up order
    EXPECT_FALSE(form.page(5).errorFlag());
    EXPECT_EQ(static_cast<ThreadRepairPage&>(form.page(8)).values().passes, 3);
    EXPECT_EQ(form.startupMarker, 21);
}

// Typed list text once armed the button before any page was shown: it wrote file.txt for a
// program it never saved and told QORIX to load it.
TEST_F(MainWindowLogicTest, TextTypedIntoTheListBeforeAnyWizardLeavesTheSendButtonDisabled) {
    activate();
    run([&] { form.ComboBox1.editText("Kör"); });  // typed, nothing chosen
    EXPECT_EQ(form.wizardNumber, 0);
    EXPECT_EQ(form.sendState, 1);
    EXPECT_FALSE(form.Button3.enabled());
    EXPECT_FALSE(form.Button3.click());
    EXPECT_EQ(dialogs.saveDialogsShown(), 0);
    EXPECT_TRUE(fs::is_empty(exchange()));
}

// An empty box was saved and, with QORIX, sent as if it were a program.
TEST_F(MainWindowLogicTest, AnEmptyOutputIsNeitherSavedNorSent) {
    activate();
    run([&] { form.ComboBox1.select(3); });
    dialogs.clearMessages();
    run([&] { form.Button3.click(); });  // right after the choice
    run([&] { cutCircle().Button1.click(); });
    run([&] { cutCircle().findAs<ui::Button>("Button2")->click(); });  // "Törlés"
    run([&] { form.Button3.click(); });
    cutCircle().Memo1.setLines({"", "  "});  // blank lines are no program either
    run([&] { form.Button3.click(); });
    const ui::Message empty{"Figyelmeztetés", mainwindow::kEmptyOutput};
    EXPECT_EQ(dialogs.messages(), (std::vector<ui::Message>{empty, empty, empty}));
    EXPECT_EQ(dialogs.saveDialogsShown(), 0);
    EXPECT_TRUE(fs::is_empty(exchange()));
    EXPECT_EQ(form.sendState, 1);
    EXPECT_TRUE(cutCircle().visible());
    EXPECT_TRUE(form.StatusLine.caption().empty());
}

TEST_F(MainWindowLogicTest, AFieldChangedSinceCreateAsksBeforeTheOlderProgramIsSent) {
    cutCircleCreated();
    auto& x = *cutCircle().findAs<ui::Edit>("Edit_x_");
    x.setText("40");
    dialogs.answer(false);
    run([&] { form.Button3.click(); });
    ASSERT_EQ(dialogs.questions().size(), 1u);
    EXPECT_EQ(dialogs.questions()[0], (ui::Message{"Figyelmeztetés", mainwindow::kStaleOutput}));
    EXPECT_EQ(dialogs.saveDialogsShown(), 0);
    EXPECT_TRUE(fs::is_empty(exchange()));
    // set back as it was: the program is what the fields say again, nothing is asked
    x.setText("0,0000");
    const std::string chosen = (saves.path() / "kor").string();
    dialogs.chooseFile(chosen);
    run([&] { form.Button3.click(); });
    EXPECT_EQ(dialogs.questions().size(), 1u);
    EXPECT_EQ(readBytes(chosen + ".tap"), workedExampleBytes());
    EXPECT_EQ(form.StatusLine.caption(),
              "Mentve: " + chosen + ".tap – a QORIX betöltésre utasítva.");
    // a tick changed, and yes: the older program goes out as it stands
    run([&] { form.Button3.click(); });  // back
    run([&] { cutCircle().findAs<ui::CheckBox>("CheckBox_msg_")->setChecked(false); });
    dialogs.answer(true);
    dialogs.chooseFile(chosen);
    run([&] { form.Button3.click(); });
    EXPECT_EQ(dialogs.questions().size(), 2u);
    EXPECT_EQ(readBytes(chosen + ".tap"), workedExampleBytes());
}

// On a fresh start the thread page's box holds its listing of values, which went to QORIX as
// a program to load.
TEST_F(MainWindowLogicTest, AnOutputWithoutAMoveIsSentOnlyWhenTheUserSaysSo) {
    activate();
    run([&] { form.ComboBox1.select(7); });
    ASSERT_FALSE(form.page(8).Memo1.lines().empty());
    const std::string chosen = (saves.path() / "lista").string();
    dialogs.chooseFile(chosen);
    dialogs.answer(false);
    run([&] { form.Button3.click(); });
    ASSERT_EQ(dialogs.questions().size(), 1u);
    EXPECT_EQ(dialogs.questions()[0], (ui::Message{"Figyelmeztetés", mainwindow::kNoMove}));
    EXPECT_EQ(dialogs.saveDialogsShown(), 0);
    EXPECT_TRUE(fs::is_empty(exchange()));
    dialogs.answer(true);
    run([&] { form.Button3.click(); });
    EXPECT_EQ(dialogs.questions().size(), 2u);
    EXPECT_TRUE(fs::exists(chosen + ".tap"));
    EXPECT_EQ(exchangeFile("adatcsere.txt"), "L");
    // a program that moves the tool goes without the question
    run([&] { form.ComboBox1.select(3); });
    run([&] { cutCircle().Button1.click(); });
    dialogs.chooseFile(chosen);
    run([&] { form.Button3.click(); });
    EXPECT_EQ(dialogs.questions().size(), 2u);
    EXPECT_EQ(readBytes(chosen + ".tap"), workedExampleBytes());
}

TEST(InstallPaths, WindowsFormAndDefaults) {
    ExchangePaths p = exchangePaths("C:\\QORIX", '\\');
    EXPECT_EQ(p.folder, "C:\\QORIX\\Wizards\\Kombinat");
    EXPECT_EQ(p.file, "C:\\QORIX\\Wizards\\Kombinat\\file.txt");
    EXPECT_EQ(p.data, "C:\\QORIX\\Wizards\\Kombinat\\adatcsere.txt");
    EXPECT_EQ(p.command, "C:\\QORIX\\Wizards\\Kombinat\\command.txt");
    EXPECT_EQ(p.position, "C:\\QORIX\\Wizards\\Kombinat\\GetXYZ.txt");
    EXPECT_EQ(installFolderFrom("/opt/qorix"), "/opt/qorix");
#ifndef _WIN32
    const char* home = std::getenv("HOME");
    std::string saved = home ? home : "";
    setenv("HOME", "/home/marta", 1);
    EXPECT_EQ(installFolderFrom(""), "/home/marta/QORIX");
    EXPECT_EQ(exchangePaths(installFolderFrom("")).file,
              "/home/marta/QORIX/Wizards/Kombinat/file.txt");
    setenv("HOME", "", 1);
    EXPECT_EQ(defaultInstallFolder(), "QORIX");
    setenv("HOME", saved.c_str(), 1);
#else
    EXPECT_EQ(installFolderFrom(""), "C:\\QORIX");
#endif
}

// A folder given with its closing separator gets no second one; on Windows "/" closes a
// folder as well as "\\".
TEST(InstallPaths, AClosingSeparatorIsNotDoubled) {
    EXPECT_EQ(exchangePaths("C:\\QORIX\\", '\\').file, "C:\\QORIX\\Wizards\\Kombinat\\file.txt");
    EXPECT_EQ(exchangePaths("C:/QORIX/", '\\').file, "C:/QORIX/Wizards\\Kombinat\\file.txt");
    EXPECT_EQ(exchangePaths("C:/QORIX", '\\').file, "C:/QORIX\\Wizards\\Kombinat\\file.txt");
    EXPECT_EQ(exchangePaths("/opt/qorix/", '/').file, "/opt/qorix/Wizards/Kombinat/file.txt");
    // elsewhere a "\\" is a letter of the name, not a separator
    EXPECT_EQ(exchangePaths("/opt/q\\", '/').folder, "/opt/q\\/Wizards/Kombinat");
}

TEST_F(MainWindowLogicTest, ChoosingCutCircleShowsItsPageAndArmsTheSendButton) {
    activate();
    run([&] { form.ComboBox1.select(3); });
    EXPECT_TRUE(cutCircle().visible());
    for (int n = 1; n <= 8; ++n)
        if (n != 4) {
            EXPECT_FALSE(form.page(n).visible()) << n;
        }
    EXPECT_EQ(form.wizardNumber, 4);
    EXPECT_EQ(form.sendState, 1);
    EXPECT_EQ(form.Button3.caption(), "Küldés az QORIX-be");
    EXPECT_TRUE(form.Button3.enabled());
    run([&] { form.CheckBox1.setChecked(true); });
    run([&] { form.ComboBox1.select(6); });
    EXPECT_EQ(form.wizardNumber, 7);
    EXPECT_TRUE(form.page(7).visible());
    EXPECT_FALSE(cutCircle().visible());
    EXPECT_EQ(form.Button3.caption(), "Mentés");
}

TEST_F(MainWindowLogicTest, ChoosingAPocketRefreshesItsStepWidthLabels) {
    activate();
    auto& circular = static_cast<CircularPocketPage&>(form.page(2));
    auto& rectangle = static_cast<RectanglePocketPage&>(form.page(3));
    EXPECT_EQ(circular.Label4.caption(), "%");  // start-up leaves them alone
    run([&] { form.ComboBox1.select(1); });
    EXPECT_EQ(circular.Label4.caption(), "50 %");
    EXPECT_EQ(circular.Label5.caption(), "2,5000 mm");
    EXPECT_EQ(rectangle.Label4.caption(), "%");
    // a tool typed meanwhile shows when the page is chosen again
    rectangle.Edit_sz_.setText("6");
    run([&] { form.ComboBox1.select(2); });
    EXPECT_EQ(rectangle.Label4.caption(), "50 %");
    EXPECT_EQ(rectangle.Label5.caption(), "3,0000 mm");
    EXPECT_EQ(form.page(5).formName(), "CutRectanglePage");
    EXPECT_EQ(dialogs.messages().size(), 1u);  // only the start-up warning
}

TEST_F(MainWindowLogicTest, EditedListTextOnlyRearmsTheSendButton) {
    cutCircleCreated();
    form.sendState = 0;
    form.Button3.setEnabled(false);
    run([&] { form.ComboBox1.editText("Kör"); });
    EXPECT_EQ(form.wizardNumber, 4);
    EXPECT_TRUE(cutCircle().visible());
    EXPECT_EQ(form.sendState, 1);
    EXPECT_EQ(form.Button3.caption(), "Küldés az QORIX-be");
    EXPECT_TRUE(form.Button3.enabled());  // a page was shown before
}

TEST_F(MainWindowLogicTest, HostModeSendWritesPathProgramAndLoadCodeThenGoesBack) {
    cutCircleCreated();
    const std::string chosen = saves.file("körök");
    dialogs.chooseFile(chosen);
    run([&] { form.Button3.click(); });
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(exchangeFile("file.txt"), textfile::toCp1250(chosen + ".tap") + "\r\n");
    EXPECT_EQ(readBytes(chosen + ".tap"), workedExampleBytes());
    EXPECT_EQ(exchangeFile("adatcsere.txt"), "L");
    EXPECT_EQ(form.Memo1.lines(), std::vector<std::string>{chosen + ".tap"});
    EXPECT_FALSE(cutCircle().visible());
    EXPECT_EQ(form.sendState, 0);
    EXPECT_EQ(form.Button3.caption(), "Vissza az utolsó varázslóba");

    run([&] { form.Button3.click(); });
    EXPECT_TRUE(cutCircle().visible());
    EXPECT_EQ(form.sendState, 1);
    EXPECT_EQ(form.Button3.caption(), "Küldés az QORIX-be");
    EXPECT_EQ(dialogs.saveDialogsShown(), 1);
}

TEST(TargetPath, TapIsAppendedOnlyWhenMissing) {
    EXPECT_EQ(targetPath("prog"), "prog.tap");
    EXPECT_EQ(targetPath("prog.tap"), "prog.tap");
    EXPECT_EQ(targetPath("PROG.TAP"), "PROG.TAP");
    EXPECT_EQ(targetPath("prog.Tap"), "prog.Tap");
    EXPECT_EQ(targetPath("prog.txt"), "prog.txt.tap");
    EXPECT_EQ(targetPath("tap"), "tap.tap");
    EXPECT_EQ(targetPath(".tap"), ".tap");
#ifdef _WIN32
    EXPECT_EQ(targetPath("Z:/munka/kör2"), "Z:\\munka\\kör2.tap");
#else
    EXPECT_EQ(targetPath("/munka/kör2"), "/munka/kör2.tap");
#endif
}

TEST_F(MainWindowLogicTest, NameEndingInTapIsSavedOnce) {
    cutCircleCreated();
    const std::string chosen = (saves.path() / "prog.tap").string();
    dialogs.chooseFile(chosen);
    run([&] { form.Button3.click(); });
    EXPECT_EQ(readBytes(chosen), workedExampleBytes());
    EXPECT_FALSE(fs::exists(chosen + ".tap"));
    EXPECT_EQ(exchangeFile("file.txt"), chosen + "\r\n");
}

TEST_F(MainWindowLogicTest, CancelledFirstSaveWritesNothing) {
    cutCircleCreated();
    dialogs.cancelSave();
    run([&] { form.Button3.click(); });
    EXPECT_TRUE(fs::is_empty(exchange()));
    EXPECT_TRUE(fs::is_empty(saves.path()));
    EXPECT_EQ(form.sendState, 1);
    EXPECT_TRUE(cutCircle().visible());
    EXPECT_EQ(form.Button3.caption(), "Küldés az QORIX-be");
    EXPECT_TRUE(form.Memo1.lines().empty());
}

// A cancel once saved the page again under the earlier name and, with QORIX, had it loaded
// (after "Törlés" that replaced a good program with an empty one on the machine).
TEST_F(MainWindowLogicTest, CancelAfterAnEarlierSendWritesNothingAndSendsNothing) {
    cutCircleCreated();
    const std::string chosen = (saves.path() / "elso").string();
    dialogs.chooseFile(chosen);
    run([&] { form.Button3.click(); });
    ASSERT_EQ(readBytes(chosen + ".tap"), workedExampleBytes());
    run([&] { form.Button3.click(); });  // back to the page
    fs::remove(exchange() / "adatcsere.txt");
    fs::remove(exchange() / "file.txt");

    dialogs.cancelSave();
    run([&] { form.Button3.click(); });
    EXPECT_EQ(dialogs.saveDialogsShown(), 2);
    EXPECT_EQ(dialogs.offeredName(), chosen);  // the dialog offered the earlier name
    EXPECT_EQ(readBytes(chosen + ".tap"), workedExampleBytes());
    EXPECT_FALSE(fs::exists(exchange() / "adatcsere.txt"));
    EXPECT_FALSE(fs::exists(exchange() / "file.txt"));
    EXPECT_EQ(form.sendState, 1);
    EXPECT_TRUE(cutCircle().visible());
    EXPECT_EQ(form.Button3.caption(), "Küldés az QORIX-be");
}

TEST_F(MainWindowLogicTest, StandaloneSaveKeepsThePageAndWritesNoLoadCode) {
    cutCircleCreated();
    run([&] { form.CheckBox1.setChecked(true); });
    EXPECT_EQ(shared.standalone, 1);
    EXPECT_EQ(form.Button3.caption(), "Mentés");
    const std::string chosen = (saves.path() / "prog").string();
    dialogs.chooseFile(chosen);
    run([&] { form.Button3.click(); });
    EXPECT_EQ(readBytes(chosen + ".tap"), workedExampleBytes());
    EXPECT_EQ(exchangeFile("file.txt"), chosen + ".tap\r\n");
    EXPECT_FALSE(fs::exists(exchange() / "adatcsere.txt"));
    EXPECT_TRUE(cutCircle().visible());
    EXPECT_EQ(form.sendState, 1);
    EXPECT_EQ(form.Button3.caption(), "Mentés");
    EXPECT_TRUE(logLines().empty());
}

class MainWindowLogicWithoutExchangeFolder : public MainWindowLogicTest {
protected:
    MainWindowLogicWithoutExchangeFolder() : MainWindowLogicTest(false) {}
};

TEST_F(MainWindowLogicWithoutExchangeFolder, StandaloneSaveStillSavesAndLogsTheMissingPathFile) {
    cutCircleCreated();
    run([&] { form.CheckBox1.setChecked(true); });
    const std::string chosen = (saves.path() / "prog").string();
    dialogs.chooseFile(chosen);
    run([&] { form.Button3.click(); });
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(readBytes(chosen + ".tap"), workedExampleBytes());
    ASSERT_EQ(logLines().size(), 1u);
    EXPECT_NE(logLines()[0].find("file.txt nem írható, a program mentése folytatódik: "),
              std::string::npos);
    EXPECT_NE(logLines()[0].find("file.txt"), std::string::npos);
}

// The program is saved first; the failed "file.txt" then stops the send before the load code.
TEST_F(MainWindowLogicWithoutExchangeFolder, HostModeSendStopsAtTheFailedPathFile) {
    cutCircleCreated();
    const std::string chosen = (saves.path() / "prog").string();
    dialogs.chooseFile(chosen);
    run([&] { form.Button3.click(); });
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, "QORIX varázslók");
    EXPECT_NE(dialogs.messages()[0].text.find("file.txt"), std::string::npos);
    EXPECT_EQ(readBytes(chosen + ".tap"), workedExampleBytes());
    EXPECT_FALSE(fs::exists(exchange()));
    EXPECT_TRUE(cutCircle().visible());
    EXPECT_EQ(form.sendState, 1);
    EXPECT_EQ(form.Button3.caption(), "Küldés az QORIX-be");
}

TEST_F(MainWindowLogicTest, FailedProgramWriteLeavesNoLoadCode) {
    cutCircleCreated();
    const std::string chosen = (saves.path() / "nincs-ilyen" / "prog").string();
    dialogs.chooseFile(chosen);
    run([&] { form.Button3.click(); });
    ASSERT_EQ(dialogs.messages().size(), 1u);
    // the program comes first: file.txt never names one that is not there
    EXPECT_FALSE(fs::exists(exchange() / "file.txt"));
    EXPECT_FALSE(fs::exists(exchange() / "adatcsere.txt"));
    EXPECT_TRUE(cutCircle().visible());
    EXPECT_EQ(form.sendState, 1);
}

// "Exit" ended the program over a created program that was never saved nor sent.
TEST_F(MainWindowLogicTest, ExitOverAnUnsavedProgramAsksFirstAndWritesTheEndCodeOnlyWhenItEnds) {
    cutCircleCreated();
    const std::string asked = std::string(mainwindow::kUnsavedExit) + "Kör kivágás (cut circle)" +
                              mainwindow::kUnsavedExitEnd;
    dialogs.answer(false);
    run([&] { form.Button4.click(); });
    EXPECT_EQ(dialogs.questions(), (std::vector<ui::Message>{{"Figyelmeztetés", asked}}));
    EXPECT_FALSE(fs::exists(exchange() / "adatcsere.txt"));
    EXPECT_EQ(closes, 0);
    // once sent there is nothing to lose; a file opened over it is no loss either
    dialogs.chooseFile((saves.path() / "kor").string());
    run([&] { form.Button3.click(); });
    EXPECT_FALSE(form.unsavedOutput(4));
    EXPECT_TRUE(form.mayOpenOver(4));
    run([&] { form.Button3.click(); });  // back to the page
    run([&] { cutCircle().findAs<ui::Edit>("Edit_r_")->setText("30"); });
    run([&] { cutCircle().Button1.click(); });
    dialogs.answer(false);
    EXPECT_FALSE(form.mayOpenOver(4));
    EXPECT_EQ(dialogs.questions().back(),
              (ui::Message{"Figyelmeztetés", mainwindow::kUnsavedOpen}));
    form.programOpened(4, {"G0 X1"});
    EXPECT_FALSE(form.unsavedOutput(4));
    // "Törlés" leaves nothing to lose
    run([&] { cutCircle().Button1.click(); });
    run([&] { cutCircle().findAs<ui::Button>("Button2")->click(); });
    const std::size_t before = dialogs.questions().size();
    run([&] { form.Button4.click(); });
    EXPECT_EQ(dialogs.questions().size(), before);
    EXPECT_EQ(exchangeFile("adatcsere.txt"), "E");
    EXPECT_EQ(closes, 1);
}

TEST_F(MainWindowLogicTest, ExitWritesTheEndCodeAndClosesInBothModes) {
    activate();
    run([&] { form.Button4.click(); });
    EXPECT_EQ(exchangeFile("adatcsere.txt"), "E");
    EXPECT_EQ(closes, 1);
    run([&] { form.CheckBox1.setChecked(true); });
    fs::remove(exchange() / "adatcsere.txt");
    run([&] { form.Button4.click(); });
    EXPECT_EQ(exchangeFile("adatcsere.txt"), "E");
    EXPECT_EQ(closes, 2);
}

TEST_F(MainWindowLogicWithoutExchangeFolder, ExitThatCannotWriteKeepsTheWindowOpen) {
    activate();
    dialogs.clearMessages();
    run([&] { form.Button4.click(); });
    EXPECT_EQ(closes, 0);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].text.find("adatcsere.txt"), std::string::npos);
}

TEST_F(MainWindowLogicWithoutExchangeFolder, StandaloneExitEndsTheProgramAndLogsTheMissingFolder) {
    activate();
    run([&] { form.CheckBox1.setChecked(true); });
    dialogs.clearMessages();
    EXPECT_TRUE(run([&] { form.Button4.click(); }));
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(dialogs.messages().empty());
    ASSERT_FALSE(logLines().empty());
    EXPECT_EQ(logLines().back().rfind("adatcsere.txt nem írható, a program kilép: ", 0), 0u);
}

TEST_F(MainWindowLogicTest, StandaloneSwitchRenamesTheButtonInEveryState) {
    run([&] { form.CheckBox1.setChecked(true); });
    EXPECT_EQ(form.Button3.caption(), "Mentés");
    EXPECT_FALSE(form.Button3.enabled());
    run([&] { form.CheckBox1.setChecked(false); });
    EXPECT_EQ(form.Button3.caption(), "Küldés az QORIX-be");
    EXPECT_EQ(shared.standalone, 0);

    cutCircleCreated();
    dialogs.chooseFile((saves.path() / "p").string());
    run([&] { form.Button3.click(); });
    run([&] { form.CheckBox1.setChecked(true); });
    EXPECT_EQ(form.Button3.caption(), "Mentés");
    // still the back step
    run([&] { form.Button3.click(); });
    EXPECT_TRUE(cutCircle().visible());
    EXPECT_EQ(form.sendState, 1);
    EXPECT_EQ(form.Button3.caption(), "Mentés");
    EXPECT_EQ(dialogs.saveDialogsShown(), 1);
}

TEST_F(MainWindowLogicTest, DrillRectanglePageIsEnabledAndWritesItsProgram) {
    activate();
    run([&] { form.ComboBox1.select(6); });
    WizardPage& page = form.page(7);
    EXPECT_TRUE(page.visible());
    EXPECT_TRUE(page.Button1.enabled());
    run([&] { page.Button1.click(); });
    const auto lines = page.Memo1.lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "(furatok száma 10)"), lines.end());
}

TEST_F(MainWindowLogicTest, ChoosingBoltCircleDisablesReselection) {
    activate();
    auto& page = static_cast<BoltCirclePage&>(form.page(6));
    page.RadioGroup1.setItemEnabled(2, true);
    run([&] { form.ComboBox1.select(5); });
    EXPECT_TRUE(page.visible());
    EXPECT_FALSE(page.RadioGroup1.itemEnabled(2));
    EXPECT_EQ(page.RadioGroup1.items()[2], "Újra választ");
    // a selection dropped by the page is told on the status line
    run([&] { page.RadioGroup1.setItemIndex(1); });
    page.Edit_drc_.setText("6");
    run([&] { page.Button1.click(); });
    EXPECT_EQ(page.RadioGroup1.itemIndex(), 0);
    EXPECT_EQ(form.StatusLine.caption().rfind("A furatok kiválasztása megszűnt", 0), 0u);
}

TEST_F(MainWindowLogicTest, ThreadRepairMeasurementIsOffInHostModeOnly) {
    auto& page = static_cast<ThreadRepairPage&>(form.page(8));
    EXPECT_EQ(page.RadioGroup_cw_.caption(), "Menet irány");
    EXPECT_EQ(page.Button3.caption(), "Bemérés");
    activate();
    EXPECT_FALSE(page.Button3.enabled());
    page.Button3.setEnabled(true);
    run([&] { form.ComboBox1.select(7); });
    EXPECT_TRUE(page.visible());
    EXPECT_FALSE(page.Button3.enabled());
    // standalone: the selection leaves the button as it is
    run([&] { form.CheckBox1.setChecked(true); });
    page.Button3.setEnabled(true);
    run([&] { form.ComboBox1.select(3); });
    run([&] { form.ComboBox1.select(7); });
    EXPECT_TRUE(page.Button3.enabled());
    page.Button3.setEnabled(false);
    run([&] { form.ComboBox1.select(7); });
    EXPECT_FALSE(page.Button3.enabled());
}

TEST_F(MainWindowLogicTest, BuiltPagesStandInTheListUnderTheirClassNames) {
    const char* names[] = {"FibonacciSpiralPage", "CircularPocketPage", "RectanglePocketPage",
                           "CutCirclePage",       "CutRectanglePage",   "BoltCirclePage",
                           "RectangleHolesPage",  "ThreadRepairPage"};
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(form.page(n).formName(), names[n - 1]);
}

TEST_F(MainWindowLogicTest, AboutButtonShowsTheAboutWindow) {
    int shown = 0;
    form.showAbout = [&] { ++shown; };
    run([&] { form.Button1.click(); });
    EXPECT_EQ(shown, 1);
}

}  // namespace
}  // namespace qorix
