// The QORIX stand-in as a real peer process: the wizards' exchange routines talk to it
// through the exchange folder, and its log shows what it understood. Every wait is bounded,
// so a stand-in that does not answer fails the test instead of hanging it.
#include "standin/standin.h"

#include <filesystem>

#include "link/aboutbox.h"
#include "link/positioncapture.h"
#include "link/textfile.h"
#include "standinprocess.h"
#include "support/posixfiles.h"
#include "ui/event.h"
#include "wizards/thread/threadcheck.h"
#include "wizards/thread/threadrepair.h"

namespace qorix::test {
namespace {

TEST_F(StandInProcess, CaptureCheckAndProgramWithTheStandInAnsweringThePosition) {
    start();
    NumberText num(',');
    ui::RecordingDialogs dialogs;
    AboutBox store(num);  // the real waits: QORIX has 600 ms to answer
    exchange::storeExchangePaths(store, install);
    Services services{dialogs, num, &store, &store};
    ThreadRepairPage page(services);
    PositionCaptureDialog capture(services);
    ThreadCheckDialog check(services);
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
    EXPECT_EQ(check.Label5.caption(), "0,0000 mm");
    EXPECT_EQ(check.Label13.caption(), "Z3,0000");
    ASSERT_TRUE(click(check.Button1));
    page.Timer2.fire();
    ASSERT_TRUE(click(page.Button1));
    EXPECT_EQ(page.Memo1.lines().back(), "M30");
    EXPECT_TRUE(dialogs.messages().empty());

    // the send step's writes, a command line, and the end
    std::string program = folder() + kPathSeparator + "menet.tap";
    exchange::writeProgramPath(store, program);
    exchange::writeLoadCode(store);
    EXPECT_TRUE(logShows("L " + program + "\n"));
    ASSERT_TRUE(ui::runEvent(dialogs, [&] { store.WriteCommanFile("G0 X0 Y0"); }));
    EXPECT_TRUE(logShows("C G0 X0 Y0\n"));
    exchange::writeEndCode(store);
    ASSERT_TRUE(ended());
    EXPECT_EQ(child.status(), 0);
    EXPECT_EQ(readFile(logPath),
              "qorix-standin: " + folder() + "\nG 12.5 0 -3\nL " + program + "\nC G0 X0 Y0\nE\n");
}

TEST_F(StandInProcess, CodeLeftFromAnEarlierRunIsNoRequestAndWaitingCostsLittleTime) {
    std::filesystem::create_directories(folder());
    std::ofstream(folder() + kPathSeparator + exchange::kDataFile, std::ios::binary) << "E";
    start("--position=1,2,3");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_TRUE(child.running()) << "the old end code ended it";
    Session shared;
    exchange::storeExchangePaths(shared, install);
    textfile::writeLines(shared.dataPath, {"G"});  // the position code is a line
    EXPECT_TRUE(logShows("G 1 2 3\n"));
    exchange::writeEndCode(shared);
    ASSERT_TRUE(ended());
    // half a second of polling is a few milliseconds of work, not a spinning processor
    EXPECT_LT(child.cpuSeconds(), 0.25);
}

TEST_F(StandInProcess, RefusesAPositionThatIsNotThreeValues) {
    std::vector<std::string> args{QORIX_STANDIN_PATH, install, "--position=1,2"};
    ASSERT_TRUE(child.start(args));
    ASSERT_TRUE(ended());
    EXPECT_EQ(child.status(), 2);
}

// Checking mode: every load is looked at as QORIX would load it; each fault is named after
// the load's line, and the counts come at the end.
TEST_F(StandInProcess, VerifyCountsWholeLoadsAndNamesEachFaultyOne) {
    startWith({"--verify", "--poll=2"});
    Session shared;
    exchange::storeExchangePaths(shared, install);
    const std::string good = dir.file("kör.tap"), cut = dir.file("félbe.tap"),
                      noLineEnd = dir.file("vég.tap"), missing = dir.file("nincs.tap");
    textfile::writeLines(good, {"(Kör kivágás)", "G0 X0,0000 Y0,0000", "M5", "M30"});
    textfile::writeBytes(cut, "(Kör kivágás)\r\nG0 X0,0000 Y0,0000\r\nM");
    textfile::writeBytes(noLineEnd, "(Kör kivágás)\r\nM30");
    LogFollower log(logPath);
    ASSERT_TRUE(log.nextLine("qorix-standin: " + folder()));
    auto load = [&](const std::string& path) {
        exchange::writeProgramPath(shared, path);
        exchange::writeLoadCode(shared);
        return log.nextLine("L " + path);
    };
    ASSERT_TRUE(load(good));
    ASSERT_TRUE(load(cut));
    ASSERT_TRUE(load(missing));
    ASSERT_TRUE(load(noLineEnd));
    // a path without its line end, as a write broken off would leave it
    textfile::writeBytes(shared.filePath, textfile::toCp1250(good));
    exchange::writeLoadCode(shared);
    ASSERT_TRUE(log.nextLine("L " + good));
    // the same load again and again: each code is a write of its own, none is missed
    ASSERT_TRUE(load(good));
    for (int i = 0; i < 50; ++i) {
        exchange::writeLoadCode(shared);
        ASSERT_TRUE(log.nextLine("L " + good)) << i;
    }
    exchange::writeEndCode(shared);
    ASSERT_TRUE(ended());
    EXPECT_EQ(child.status(), 0);
    std::string expected = "qorix-standin: " + folder() + "\nL " + good + "\nL " + cut +
                           "\n! a program nem a záró M30 sorral végződik: " + cut + "\nL " +
                           missing + "\n! nincs ilyen program: " + missing + "\nL " + noLineEnd +
                           "\n! a program nem a záró M30 sorral végződik: " + noLineEnd + "\nL " +
                           good + "\n! a file.txt nem egy teljes sor\n";
    for (int i = 0; i < 51; ++i) expected += "L " + good + "\n";
    expected += "betöltések: 52 rendben, 4 hibás; pozíciókérések: 0\nE\n";
    EXPECT_EQ(readFile(logPath), expected);
}

// A moving machine: the position file is rewritten between requests, each time whole, and
// a request is answered with the next step.
TEST_F(StandInProcess, AMovingMachineRewritesItsPositionWholeAtEveryLook) {
    startWith({"--moving", "--poll=2"});
    Session shared;
    exchange::storeExchangePaths(shared, install);
    auto stepIn = [](const std::vector<std::string>& lines) -> long long {
        if (lines.size() != 3 || lines[0].size() < 4) return -1;
        std::string n = lines[0].substr(0, lines[0].size() - 3);
        if (lines != std::vector<std::string>{n + ".25", "-" + n + ".5", n + ".75"}) return -1;
        return std::stoll(n);
    };
    std::vector<std::string> first, later;
    for (auto end = Clock::now() + kPatience; first.empty() && Clock::now() < end;) {
        try {
            first = textfile::readLines(shared.positionPath);
        } catch (const FileError&) {  // not written yet
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    later = textfile::readLines(shared.positionPath);
    ASSERT_GE(stepIn(first), 1);
    EXPECT_GT(stepIn(later), stepIn(first));
    textfile::writeLines(shared.dataPath, {"G"});
    LogFollower log(logPath);
    std::string answer;
    ASSERT_TRUE(
        log.next([](const std::string& l) { return l.rfind("G ", 0) == 0; }, nullptr, &answer));
    std::string n = answer.substr(2, answer.find('.') - 2);
    EXPECT_EQ(answer, "G " + n + ".25 -" + n + ".5 " + n + ".75");
    EXPECT_GT(std::stoll(n), stepIn(later));
    exchange::writeEndCode(shared);
    ASSERT_TRUE(ended());
    EXPECT_EQ(child.status(), 0);
}

TEST(StandInArguments, PollVerifyAndMovingAreReadAndABadPollRefused) {
    auto parse = [](std::vector<std::string> args, standin::Options& o) {
        args.insert(args.begin(), "qorix-standin");
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        return standin::parseArguments(static_cast<int>(argv.size()), argv.data(), o);
    };
    standin::Options o;
    EXPECT_EQ(parse({"/q", "--poll=2", "--verify", "--moving"}, o), "");
    EXPECT_EQ(o.pollMs, 2);
    EXPECT_TRUE(o.verify);
    EXPECT_TRUE(o.moving);
    standin::Options d;
    EXPECT_EQ(parse({"/q"}, d), "");
    EXPECT_EQ(d.pollMs, 20);
    EXPECT_FALSE(d.verify || d.moving);
    for (const char* bad : {"--poll=0", "--poll=1001", "--poll=abc", "--poll=2.5", "--poll="}) {
        standin::Options b;
        EXPECT_EQ(parse({"/q", bad}, b),
                  std::string("a várakozás 1 és 1000 ezredmásodperc közé essen: ") + bad);
    }
}

// The checks of a load on their own.
TEST(StandInLoad, AProgramLoadsOnlyWholeAndEndingInItsClosingLine) {
    TempDir dir;
    const std::string path = dir.file("prog.tap");
    const std::string fileTxt = textfile::toCp1250(path) + "\r\n";
    textfile::writeBytes(path, "M30\r\n");
    EXPECT_EQ(standin::loadProblem(fileTxt), "");
    textfile::writeBytes(path, "G0 X0\r\nM30\r\n");
    EXPECT_EQ(standin::loadProblem(fileTxt), "");
    for (const char* cut :
         {"", "G0 X0\r\nM30", "G0 X0\r\nM3", "G0 X0\r\nXM30\r\n", "M30\r\nG0 X0\r\n"}) {
        textfile::writeBytes(path, cut);
        EXPECT_EQ(standin::loadProblem(fileTxt),
                  "a program nem a záró M30 sorral végződik: " + path)
            << cut;
    }
    for (const std::string& broken :
         {textfile::toCp1250(path), fileTxt + fileTxt, textfile::toCp1250(path) + "\n"})
        EXPECT_EQ(standin::loadProblem(broken), "a file.txt nem egy teljes sor") << broken;
    EXPECT_EQ(standin::loadProblem("\r\n"), "nincs ilyen program: ");
    EXPECT_EQ(standin::loadProblem(textfile::toCp1250(dir.file("nincs.tap")) + "\r\n"),
              "nincs ilyen program: " + dir.file("nincs.tap"));
}

// A pipe in place of "adatcsere.txt" stopped the stand-in at its start, and a link from
// "file.txt" to an endless device was read until memory ran out. Each is named in the log
// now, and the watch goes on.
TEST_F(StandInProcess, APipeOrAnEndlessFileInTheFolderIsNamedNotWaitedFor) {
    QORIX_NEEDS_POSIX_FILES();
    std::filesystem::create_directories(folder());
    const std::string data = inFolder(exchange::kDataFile), fileTxt = inFolder(exchange::kFileFile);
    ASSERT_EQ(mkfifo(data.c_str(), 0644), 0);
    startWith({"--verify", "--poll=2"});
    LogFollower log(logPath);
    ASSERT_TRUE(log.nextLine("qorix-standin: " + folder()));
    const std::string notRegular =
        "” fájl nem olvasható: nem közönséges fájl, hanem mappa, "
        "csővezeték vagy eszköz.";
    std::filesystem::remove(data);
    std::filesystem::create_symlink("/dev/zero", fileTxt);
    Session shared;
    exchange::storeExchangePaths(shared, install);
    exchange::writeLoadCode(shared);
    ASSERT_TRUE(log.nextLine("L (A(z) „" + fileTxt + notRegular + ")"));
    ASSERT_TRUE(log.nextLine("! A(z) „" + fileTxt + notRegular));
    std::filesystem::remove(data);
    ASSERT_EQ(mkfifo(data.c_str(), 0644), 0);
    ASSERT_TRUE(log.nextLine("! A(z) „" + data + notRegular));
    std::filesystem::remove(data);
    exchange::writeEndCode(shared);
    std::vector<std::string> before;
    ASSERT_TRUE(log.nextLine("E", &before));
    EXPECT_EQ(before, std::vector<std::string>{"betöltések: 0 rendben, 1 hibás; "
                                               "pozíciókérések: 0"});
    ASSERT_TRUE(ended());
    EXPECT_EQ(child.status(), 0);
}

}  // namespace
}  // namespace qorix::test
