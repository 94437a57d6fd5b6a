// A busy QORIX: the stand-in runs as a separate process and checks what it is handed while
// the main window sends program after program in host mode, and while the store reads the
// position of a machine that keeps moving. Nothing half-written may ever reach it, and
// nothing mixed from two writes may ever be read back.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <thread>

#include "app/mainwindowlogic.h"
#include "link/aboutbox.h"
#include "link/textfile.h"
#include "standinprocess.h"
#include "ui/event.h"

namespace qorix::test {
namespace {

constexpr int kSends = 1000;
constexpr int kReads = 200;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The exchange routines' fixed waits, really waited but a twentieth as long: the stand-in
// looks every 2 ms, so 2 ms after a request and 30 ms before reading the answer still leave
// it many looks to answer.
class ShortSleeper : public Sleeper {
public:
    void sleepMs(int ms) override {
        std::this_thread::sleep_for(std::chrono::microseconds(ms * 1000 / 20));
        ++waits;
    }
    int waits = 0;
};

std::string programBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += textfile::toCp1250(line) + "\r\n";
    return bytes;
}

TEST_F(StandInProcess, AThousandSendsInHostModeAreEachLoadedWhole) {
    startWith({"--verify", "--poll=1"});
    NumberText num(',');
    ui::RecordingDialogs dialogs;
    RecordingSleeper sleeper;
    AboutBox store(num, sleeper);
    Services services{dialogs, num, &store, &store};
    MainWindowLogic form(services, install);
    int closes = 0;
    form.closeWindow = [&] { ++closes; };
    auto run = [&](const std::function<void()>& event) { return ui::runEvent(dialogs, event); };
    ASSERT_TRUE(run([&] { form.FormActivate(); }));
    ASSERT_TRUE(run([&] { form.ComboBox1.select(3); }));  // the cut circle, in host mode
    ASSERT_EQ(form.CheckBox1.checked(), false);
    dialogs.clearMessages();
    ui::Edit& diameter = *form.page(4).findAs<ui::Edit>("Edit_r_");
    TempDir saves;
    LogFollower log(logPath);
    ASSERT_TRUE(log.nextLine("qorix-standin: " + folder()));

    auto started = Clock::now();
    for (int i = 0; i < kSends; ++i) {
        // each program differs, so that a load of the wrong one would show
        diameter.setText(NumberText::whole(10 + i % 90));
        ASSERT_TRUE(run([&] { form.page(4).Button1.click(); }));
        char name[16];
        std::snprintf(name, sizeof name, "p%04d", i);
        dialogs.chooseFile(saves.file(name));
        ASSERT_TRUE(run([&] { form.Button3.click(); })) << i;
        ASSERT_EQ(form.Button3.caption(), "Vissza az utolsó varázslóba") << i;
        // QORIX takes the load before the user can press again
        std::vector<std::string> between;
        ASSERT_TRUE(log.nextLine("L " + saves.file(name) + ".tap", &between))
            << "send " << i << " was not loaded";
        EXPECT_TRUE(between.empty()) << i << ": " << between.front();
        ASSERT_TRUE(run([&] { form.Button3.click(); })) << i;  // back to the page
        ASSERT_EQ(form.Button3.caption(), "Küldés az QORIX-be") << i;
    }
    double sending = secondsSince(started);
    EXPECT_TRUE(dialogs.messages().empty()) << dialogs.messages().front().text;

    // the last program on disk is the page's, whole
    EXPECT_EQ(readFile(saves.file("p0999.tap")), programBytes(form.page(4).Memo1.lines()));
    ASSERT_TRUE(run([&] { form.Button4.click(); }));
    EXPECT_EQ(closes, 1);
    std::vector<std::string> last;
    ASSERT_TRUE(log.nextLine("E", &last));
    EXPECT_EQ(last, std::vector<std::string>{"betöltések: 1000 rendben, 0 hibás; "
                                             "pozíciókérések: 0"});
    ASSERT_TRUE(ended());
    EXPECT_EQ(child.status(), 0);
    std::cout << "[ busy peer ] " << kSends << " sends in host mode, each loaded whole, in "
              << sending << " s\n";
}

struct Read {
    long double x, y, z;
};

// The step n of a moving position read back: X = n.25, Y = -n.5, Z = n.75, all from one
// write; -1 when the three lines come from different writes or are not whole.
long double stepOf(const Read& r) {
    long double n = r.x - 0.25L;
    bool whole = n >= 0 && n == static_cast<long double>(static_cast<long long>(n));
    return whole && r.y == -(n + 0.5L) && r.z == n + 0.75L ? n : -1;
}

TEST_F(StandInProcess, TwoHundredPositionReadsWhileTheStandInRewritesThePosition) {
    startWith({"--moving", "--verify", "--poll=2"});
    NumberText num(',');
    ui::RecordingDialogs dialogs;
    ShortSleeper sleeper;
    AboutBox store(num, sleeper);
    exchange::storeExchangePaths(store, install);
    LogFollower log(logPath);
    ASSERT_TRUE(log.nextLine("qorix-standin: " + folder()));

    auto started = Clock::now();
    long double previous = -1;
    int fresh = 0;
    for (int i = 0; i < kReads; ++i) {
        ASSERT_TRUE(ui::runEvent(dialogs, [&] { store.ReadGetXYZ(); })) << i;
        ASSERT_EQ(store.Memo1.lines().size(), 3u) << i;
        long double n = stepOf({store.xPos, store.yPos, store.zPos});
        ASSERT_GE(n, 0) << "read " << i << " is not one whole position: " << store.Memo1.lines()[0]
                        << " " << store.Memo1.lines()[1] << " " << store.Memo1.lines()[2];
        EXPECT_EQ(store.xPosText, NumberText::whole(static_cast<long long>(n)) + ",2500") << i;
        EXPECT_GE(n, previous) << "read " << i << " went back in time";
        if (n > previous) ++fresh;
        previous = n;
        // the request itself was seen and answered, nothing else logged
        std::vector<std::string> other;
        ASSERT_TRUE(log.next([](const std::string& l) { return l.rfind("G ", 0) == 0; }, &other))
            << "request " << i << " was not answered";
        EXPECT_TRUE(other.empty()) << i << ": " << other.front();
    }
    double reading = secondsSince(started);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(sleeper.waits, 2 * kReads);
    EXPECT_GT(fresh, kReads / 2) << "the position hardly moved between reads";
    exchange::writeEndCode(store);
    std::vector<std::string> last;
    ASSERT_TRUE(log.nextLine("E", &last));
    EXPECT_EQ(last, std::vector<std::string>{"betöltések: 0 rendben, 0 hibás; "
                                             "pozíciókérések: 200"});
    ASSERT_TRUE(ended());
    EXPECT_EQ(child.status(), 0);
    std::cout << "[ busy peer ] " << kReads << " position reads while it moved, " << fresh
              << " of them newer than the one before, in " << reading << " s\n";
}

// Sends in a row without waiting for QORIX: the stand-in may take a load code while the next
// send is under way and read "file.txt" then. The program is saved before "file.txt" names
// it, so every load it sees names a program that is there, whole. (Saved after, as once,
// "file.txt" could name a program not yet written.)
TEST_F(StandInProcess, SendsWithoutWaitingLoadOnlyProgramsThatAreThereWhole) {
    // looking every 3 ms, it often looks while a send is under way
    startWith({"--verify", "--poll=3"});
    NumberText num(',');
    ui::RecordingDialogs dialogs;
    RecordingSleeper sleeper;
    AboutBox store(num, sleeper);
    Services services{dialogs, num, &store, &store};
    MainWindowLogic form(services, install);
    form.closeWindow = [] {};
    auto run = [&](const std::function<void()>& event) { return ui::runEvent(dialogs, event); };
    ASSERT_TRUE(run([&] { form.FormActivate(); }));
    ASSERT_TRUE(run([&] { form.ComboBox1.select(3); }));
    dialogs.clearMessages();
    ui::Edit& diameter = *form.page(4).findAs<ui::Edit>("Edit_r_");
    TempDir saves;
    LogFollower log(logPath);
    ASSERT_TRUE(log.nextLine("qorix-standin: " + folder()));

    for (int i = 0; i < kSends; ++i) {
        diameter.setText(NumberText::whole(10 + i % 90));
        ASSERT_TRUE(run([&] { form.page(4).Button1.click(); }));
        char name[16];
        std::snprintf(name, sizeof name, "p%04d", i);
        dialogs.chooseFile(saves.file(name));
        ASSERT_TRUE(run([&] { form.Button3.click(); })) << i;
        ASSERT_TRUE(run([&] { form.Button3.click(); })) << i;  // back at once, no waiting
    }
    EXPECT_TRUE(dialogs.messages().empty());
    ASSERT_TRUE(run([&] { form.Button4.click(); }));
    std::vector<std::string> lines;
    ASSERT_TRUE(log.nextLine("E", &lines));
    ASSERT_FALSE(lines.empty());
    int loads = 0;
    for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
        EXPECT_EQ(lines[k].rfind("L ", 0), 0u) << lines[k];
        loads += lines[k].rfind("L ", 0) == 0;
    }
    EXPECT_GT(loads, 0);
    EXPECT_EQ(lines.back(),
              "betöltések: " + NumberText::whole(loads) + " rendben, 0 hibás; pozíciókérések: 0");
    ASSERT_TRUE(ended());
    std::cout << "[ busy peer ] " << kSends << " sends without waiting, " << loads
              << " loads seen, each of a whole program\n";
}

}  // namespace
}  // namespace qorix::test
