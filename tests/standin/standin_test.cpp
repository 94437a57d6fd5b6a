// The QORIX stand-in as a real peer process: the wizards' exchange routines talk to it
// through the exchange folder, and its log shows what it understood. Every wait is bounded,
// so a stand-in that does not answer fails the test instead of hanging it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "link/aboutbox.h"
#include "link/exchange.h"
#include "link/positioncapture.h"
#include "link/textfile.h"
#include "support/golden.h"
#include "ui/event.h"
#include "wizards/thread/threadcheck.h"
#include "wizards/thread/threadrepair.h"

extern char** environ;

namespace qorix::test {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(5);

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class StandInProcess : public ::testing::Test {
  protected:
    TempDir dir;
    std::string install = dir.file("QORIX");
    std::string logPath = dir.file("standin.log");
    pid_t pid = 0;
    int status = 0;
    rusage usage{};

    void start(const std::string& position = "--position=12.5,0,-3") {
        std::vector<std::string> args{QORIX_STANDIN_PATH, install, position, "--log=" + logPath};
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        ASSERT_EQ(posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ), 0);
        ASSERT_TRUE(logShows("qorix-standin: ")) << "the stand-in did not start";
    }
    void TearDown() override {
        if (pid > 0) {  // it did not end by itself: stop the one we started
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    bool logShows(const std::string& text) {
        for (auto end = Clock::now() + kPatience; Clock::now() < end;) {
            if (readFile(logPath).find(text) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    bool ended() {
        for (auto end = Clock::now() + kPatience; Clock::now() < end;) {
            if (wait4(pid, &status, WNOHANG, &usage) == pid) {
                pid = 0;
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    std::string folder() const { return exchange::exchangeFolder(install); }
};

TEST_F(StandInProcess, CaptureCheckAndProgramWithTheStandInAnsweringThePosition) {
    start();
    NumberText num(',');
    ui::RecordingDialogs dialogs;
    TAboutBox store(num);  // the real waits: QORIX has 600 ms to answer
    exchange::storeExchangePaths(store, install);
    Services services{dialogs, num, &store, &store};
    TFrame11 page(services);
    TForm6 capture(services);
    TForm12 check(services);
    page.connectDialogs(capture, check);
    page.startup();
    auto click = [&](ui::Button& b) { return ui::runEvent(dialogs, [&] { b.click(); }); };

    ASSERT_TRUE(click(page.Button3));
    ASSERT_TRUE(click(capture.Button1));
    EXPECT_EQ(capture.Memo1.lines(), (std::vector<std::string>{"12,5000", "0,0000", "-3,0000"}));
    EXPECT_EQ(readFile(store.positionPath), "12.5\r\n0\r\n-3\r\n");
    EXPECT_TRUE(logShows("G 12.5 0 -3\n"));
    ASSERT_TRUE(click(capture.Button2));
    page.Timer1.fire();
    EXPECT_EQ(page.Edit_Xpos_.text(), "12,5000");
    EXPECT_EQ(page.Edit_Zpos_.text(), "-3,0000");
    ASSERT_TRUE(click(page.Button4));
    EXPECT_EQ(check.Label5.caption(), "0,0000mm");
    EXPECT_EQ(check.Label13.caption(), "Z3,0000");
    ASSERT_TRUE(click(check.Button1));
    page.Timer2.fire();
    ASSERT_TRUE(click(page.Button1));
    EXPECT_EQ(page.Memo1.lines().back(), "M30");
    EXPECT_TRUE(dialogs.messages().empty());

    // the send step's writes, a command line, and the end
    std::string program = folder() + exchange::kPathSeparator + "menet.tap";
    exchange::writeProgramPath(store, program);
    exchange::writeLoadCode(store);
    EXPECT_TRUE(logShows("L " + program + "\n"));
    ASSERT_TRUE(ui::runEvent(dialogs, [&] { store.WriteCommanFile("G0 X0 Y0"); }));
    EXPECT_TRUE(logShows("C G0 X0 Y0\n"));
    exchange::writeEndCode(store);
    ASSERT_TRUE(ended());
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readFile(logPath),
              "qorix-standin: " + folder() + "\nG 12.5 0 -3\nL " + program + "\nC G0 X0 Y0\nE\n");
}

TEST_F(StandInProcess, CodeLeftFromAnEarlierRunIsNoRequestAndWaitingCostsLittleTime) {
    std::filesystem::create_directories(folder());
    std::ofstream(folder() + exchange::kPathSeparator + exchange::kDataFile) << "E";
    start("--position=1,2,3");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(waitpid(pid, nullptr, WNOHANG), 0) << "the old end code ended it";
    SharedValues shared;
    exchange::storeExchangePaths(shared, install);
    textfile::writeLines(shared.dataPath, {"G"});  // the position code is a line
    EXPECT_TRUE(logShows("G 1 2 3\n"));
    exchange::writeEndCode(shared);
    ASSERT_TRUE(ended());
    // half a second of polling is a few milliseconds of work, not a spinning processor
    double cpu = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                 (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    EXPECT_LT(cpu, 0.25);
}

TEST_F(StandInProcess, RefusesAPositionThatIsNotThreeValues) {
    std::vector<std::string> args{QORIX_STANDIN_PATH, install, "--position=1,2"};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    ASSERT_EQ(posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&quiet);
    ASSERT_TRUE(ended());
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
}  // namespace qorix::test
