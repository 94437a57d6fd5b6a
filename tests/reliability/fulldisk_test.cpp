// Writes that fail for real: a disk that fills up (a file size limit, with the signal it
// raises ignored; on Windows the writer's fault hook), a folder that may not be written and a
// folder that is missing. Each time the failure is shown, the earlier file is as it was, no
// temporary file is left behind, and the program goes on: the same step works once the disk has
// room again.
#include "support/fulldisk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/cli.h"
#include "app/mainwindowlogic.h"
#include "link/aboutbox.h"
#include "link/exchange.h"
#include "link/fileguard.h"
#include "link/textfile.h"
#include "support/golden.h"
#include "support/storeservices.h"
#include "ui/event.h"

namespace qorix::test {
namespace {

namespace fs = std::filesystem;

int faultsInjected = 0;

// A full disk that the summary counts.
class CountedFullDisk : public FullDisk {
public:
    explicit CountedFullDisk(std::size_t bytes) : FullDisk(bytes) { ++faultsInjected; }
};

void putBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class FullDiskTest : public ::testing::Test, protected test::StoreServices {
protected:
    FullDiskTest() {
        fs::create_directories(exchange());
        form.closeWindow = [] {};
    }
    fs::path exchange() const { return install.path() / "Wizards" / "Kombinat"; }
    bool run(const std::function<void()>& event) { return ui::runEvent(dialogs, event); }
    // The cut circle's program created with the defaults, the window in host mode.
    void cutCircleCreated() {
        run([&] { form.FormActivate(); });
        run([&] { form.ComboBox1.select(3); });
        run([&] { form.page(4).Button1.click(); });
        dialogs.clearMessages();
    }
    void send(const std::string& chosen) {
        dialogs.chooseFile(chosen);
        run([&] { form.Button3.click(); });
    }

    TempDir install;
    TempDir saves;
    MainWindowLogic form{services, install.path().string()};
};

TEST_F(FullDiskTest, ASendOntoAFullDiskKeepsTheEarlierProgramAndSendsNoLoadCode) {
    cutCircleCreated();
    const std::string chosen = saves.file("kör");
    send(chosen);  // the earlier program, sent in full
    ASSERT_TRUE(dialogs.messages().empty());
    const std::string earlier = readBytes(chosen + ".tap");
    ASSERT_GT(earlier.size(), 400u);
    run([&] { form.Button3.click(); });  // back to the page
    putBytes(exchange() / "adatcsere.txt", "E");
    {
        CountedFullDisk disk(200);  // room for file.txt, not for the program
        send(chosen);
    }
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              (ui::Message{ui::kFailureCaption,
                           "A(z) „" + chosen + ".tap” fájl nem írható: a fájl túl nagy."}));
    EXPECT_EQ(readBytes(chosen + ".tap"), earlier);
    EXPECT_EQ(filesIn(saves.path()), std::vector<std::string>{"kör.tap"});
    EXPECT_EQ(readBytes(exchange() / "adatcsere.txt"), "E");  // QORIX is told nothing
    EXPECT_EQ(filesIn(exchange()), (std::vector<std::string>{"adatcsere.txt", "file.txt"}));
    EXPECT_TRUE(form.page(4).visible());
    EXPECT_EQ(form.sendState, 1);

    // room again: the same send goes through
    dialogs.clearMessages();
    send(chosen);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(readBytes(chosen + ".tap"), earlier);
    EXPECT_EQ(readBytes(exchange() / "adatcsere.txt"), "L");
}

// The program is saved before file.txt: a full disk stops the send at the program, and
// file.txt still names the earlier program, which is there.
TEST_F(FullDiskTest, ASendOntoAFullDiskLeavesFileTxtNamingTheEarlierProgram) {
    cutCircleCreated();
    const std::string earlier = saves.file("régi");
    send(earlier);
    ASSERT_TRUE(dialogs.messages().empty());
    run([&] { form.Button3.click(); });  // back to the page
    const std::string fileTxt = readBytes(exchange() / "file.txt");
    putBytes(exchange() / "adatcsere.txt", "E");
    {
        CountedFullDisk disk(0);
        send((saves.path() / "prog").string());
    }
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].text.find("prog.tap” fájl nem írható: a fájl túl nagy"),
              std::string::npos);
    EXPECT_EQ(readBytes(exchange() / "file.txt"), fileTxt);
    EXPECT_EQ(filesIn(saves.path()), std::vector<std::string>{"régi.tap"});
    EXPECT_EQ(readBytes(exchange() / "adatcsere.txt"), "E");
    EXPECT_EQ(form.sendState, 1);
}

// The store's exchange writes: the command, the request code, the load and end codes.
TEST_F(FullDiskTest, ExchangeWritesOntoAFullDiskKeepTheEarlierFiles) {
    run([&] { form.FormActivate(); });
    dialogs.clearMessages();
    putBytes(exchange() / "command.txt", "G0 X0\r\n");
    putBytes(exchange() / "adatcsere.txt", "G\r\n");
    const std::vector<std::function<void()>> writes = {
        [&] { store.WriteCommanFile("G1 X10 F100"); },
        [&] { store.WriteAdatFile("G"); },
        [&] { store.ReadGetXYZ(); },
        [&] { exchange::writeLoadCode(store); },
        [&] { exchange::writeEndCode(store); },
        [&] { exchange::writeProgramPath(store, "C:\\prog.tap"); },
    };
    for (const auto& write : writes) {
        dialogs.clearMessages();
        {
            CountedFullDisk disk(0);
            EXPECT_FALSE(run(write));
        }
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_NE(dialogs.messages()[0].text.find("nem írható: a fájl túl nagy."),
                  std::string::npos);
        EXPECT_EQ(readBytes(exchange() / "command.txt"), "G0 X0\r\n");
        EXPECT_EQ(readBytes(exchange() / "adatcsere.txt"), "G\r\n");
        EXPECT_EQ(filesIn(exchange()), (std::vector<std::string>{"adatcsere.txt", "command.txt"}));
    }
    // and the program goes on: with room again the command is sent
    dialogs.clearMessages();
    EXPECT_TRUE(run([&] { store.WriteCommanFile("G1 X10 F100"); }));
    EXPECT_EQ(readBytes(exchange() / "command.txt"), "G1 X10 F100\r\n");
    EXPECT_EQ(readBytes(exchange() / "adatcsere.txt"), "C\r\n");
}

TEST_F(FullDiskTest, ExitOntoAFullDiskKeepsTheWindowOpen) {
    run([&] { form.FormActivate(); });
    dialogs.clearMessages();
    int closes = 0;
    form.closeWindow = [&] { ++closes; };
    {
        CountedFullDisk disk(0);
        run([&] { form.Button4.click(); });
    }
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(filesIn(exchange()).empty());
}

// The command line's --output: the earlier file stays, the exit status says so.
TEST(FullDiskCli, SavingOntoAFullDiskKeepsTheEarlierFile) {
    TempDir dir;
    const std::string path = dir.file("prog.tap");
    putBytes(path, "G0 X1\r\n");
    std::ostringstream out, err;
    int status;
    {
        CountedFullDisk disk(64);
        status = runCli({"generate", "cut-circle", "--output=" + path}, out, err, ',');
    }
    EXPECT_EQ(status, kExitRefused);
    EXPECT_NE(
        err.str().find("QORIX varázslók: A(z) „" + path + "” fájl nem írható: a fájl túl nagy."),
        std::string::npos);
    EXPECT_FALSE(out.str().empty());  // the program is still printed
    EXPECT_EQ(readBytes(path), "G0 X1\r\n");
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"prog.tap"});
}

TEST(FullDiskSummary, FaultsInjected) {
    std::cout << "[ full disk ] " << faultsInjected << " faults injected\n";
    SUCCEED();
}

}  // namespace
}  // namespace qorix::test
