// The command-line verbs "position" and "mdi": files in a fresh exchange folder, the three
// position texts on stdout, the log box and failures on stderr, and the exit status.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/cli.h"
#include "support/answeringsleeper.h"
#include "support/golden.h"
#include "support/process.h"

namespace qorix::test {
namespace {

struct LinkRun {
    int status;
    std::string out, err;
};

struct CliLinkTest : ::testing::Test {
    TempDir dir;
    std::filesystem::path folder = dir.path() / "Wizards" / "Kombinat";
    AnsweringSleeper sleeper;

    CliLinkTest() { std::filesystem::create_directories(folder); }
    std::string install() const { return utf8(dir.path()); }
    std::string file(const char* name) const { return utf8(folder / name); }
    void put(const char* name, const std::string& bytes) {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    // QORIX's answer to the next position request
    void answer(const std::string& bytes) { sleeper.answerWith(file("GetXYZ.txt"), bytes); }
    LinkRun run(std::vector<std::string> args, char regional = ',') {
        std::ostringstream out, err;
        int status = runCli(args, out, err, regional, sleeper);
        return {status, out.str(), err.str()};
    }
};

TEST_F(CliLinkTest, PositionAsksQorixAndPrintsTheThreeTexts) {
    answer("X: 12.345 mm\r\nY: -0.5\r\nZ: 1 234.5\r\n");
    LinkRun r = run({"position", install()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "12,3450\n-0,5000\n1234,5000\n");
    EXPECT_EQ(r.err,
              "ReadGetXYZ();\nWriteAdatFile: G\nConvertDot: 12,345\nConvertDot: -0,5\n"
              "ConvertDot: 1234,5\nX_pos= 12,3450\nY_pos= -0,5000\nZ_pos= 1234,5000\n");
    EXPECT_EQ(readBytes(file("adatcsere.txt")), "G\r\n");
    EXPECT_EQ(sleeper.waits(), (std::vector<int>{50, 600}));
}

TEST_F(CliLinkTest, PositionUnderDotSettingsReadsACommaToo) {
    answer("1,25\n2.5\n-3\n");
    LinkRun r = run({"position", "--decimal-separator=.", install()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1.2500\n2.5000\n-3.0000\n");
}

TEST_F(CliLinkTest, PositionStandaloneWritesNoRequestButReadsTheOldFile) {
    put("GetXYZ.txt", "7\r\n8\r\n9\r\n");
    LinkRun r = run({"position", install(), "--standalone"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "7,0000\n8,0000\n9,0000\n");
    EXPECT_FALSE(std::filesystem::exists(file("adatcsere.txt")));
    EXPECT_EQ(sleeper.waits(), std::vector<int>{600});
}

// The zeros stay, and stderr says that nobody measured them; an old file is named old.
TEST_F(CliLinkTest, PositionWithoutAPositionFileIsZeroAndSaysSo) {
    LinkRun r = run({"position", install()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0,0000\n0,0000\n0,0000\n");
    EXPECT_NE(r.err.find("\nFigyelmeztetés: A(z) „" + file("GetXYZ.txt") +
                         "” fájl nem olvasható: a mappa vagy a fájl nem létezik. A pozíció ezért "
                         "0, 0, 0: nem mért érték.\n"),
              std::string::npos)
        << r.err;
    put("GetXYZ.txt", "7\r\n8\r\n9\r\n");
    std::filesystem::last_write_time(
        file("GetXYZ.txt"),
        std::filesystem::last_write_time(file("GetXYZ.txt")) - std::chrono::seconds(10));
    r = run({"position", install()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "7,0000\n8,0000\n9,0000\n");
    EXPECT_NE(r.err.find("\nFigyelmeztetés: A(z) „" + file("GetXYZ.txt") +
                         "” fájl a pozíciókérés előtt készült, a QORIX nem írta újra: a pozíció "
                         "egy korábbi mérésé lehet.\n"),
              std::string::npos)
        << r.err;
    answer("1\r\n2\r\n3\r\n");
    EXPECT_EQ(run({"position", install()}).err.find("Figyelmeztetés"), std::string::npos);
}

TEST_F(CliLinkTest, AMalformedPositionFileIsAFailure) {
    answer("1\r\n2\r\n");
    LinkRun r = run({"position", install()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "ReadGetXYZ();\nWriteAdatFile: G\nConvertDot: 1\nConvertDot: 2\n"
              "QORIX varázslók: A(z) „" +
                  file("GetXYZ.txt") +
                  "” fájlnak csak 2 sora van; a pozícióhoz három sor kell (X, Y, Z).\n");
}

TEST_F(CliLinkTest, AMissingExchangeFolderIsAFailure) {
    std::filesystem::remove_all(folder);
    LinkRun r = run({"position", install()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "ReadGetXYZ();\nQORIX varázslók: A(z) „" + file("adatcsere.txt") +
                         "” fájl nem írható: a mappa vagy a fájl nem létezik.\n");
}

TEST_F(CliLinkTest, MdiWritesTheCommandAndThePositionRequest) {
    answer("1\r\n2\r\n3\r\n");
    LinkRun r = run({"mdi", install(), "G0 X10 (fúrás)"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(readBytes(file("command.txt")), "G0 X10 (f\xFAr\xE1s)\r\n");
    EXPECT_EQ(readBytes(file("adatcsere.txt")), "G\r\n");
    EXPECT_EQ(r.err,
              "WriteCommanFile: G0 X10 (fúrás)\nWriteAdatFile: C\nReadGetXYZ();\n"
              "WriteAdatFile: G\nConvertDot: 1\nConvertDot: 2\nConvertDot: 3\n"
              "X_pos= 1,0000\nY_pos= 2,0000\nZ_pos= 3,0000\n");
}

TEST_F(CliLinkTest, MdiStandaloneAndMdiWithAnEmptyCommandWriteNoFile) {
    LinkRun r = run({"mdi", "--standalone", install(), "M3"});
    EXPECT_EQ(r.status, 0);
    // no position file: the zeros, and the word that they were not measured
    EXPECT_EQ(r.err,
              "ReadGetXYZ();\nX_pos= 0,0000\nY_pos= 0,0000\nZ_pos= 0,0000\n"
              "Figyelmeztetés: A(z) „" +
                  file("GetXYZ.txt") +
                  "” fájl nem olvasható: a mappa vagy a fájl nem létezik. A pozíció "
                  "ezért 0, 0, 0: nem mért érték.\n");
    r = run({"mdi", install(), ""});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(CliLinkTest, WrongArgumentsAreUsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"position"},
             {"mdi", install()},
             {"position", install(), "extra"},
             {"position", install(), "--colour=red"},
             {"mdi", install(), "M3", "--decimal-separator=ab"}}) {
        LinkRun r = run(args);
        EXPECT_EQ(r.status, 2) << args.size();
        EXPECT_NE(r.err.find("használat:"), std::string::npos);
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

// The program itself really waits and reads the folder given on its command line.
TEST_F(CliLinkTest, TheProgramPrintsThePosition) {
    put("GetXYZ.txt", "4.5\r\n5\r\n6\r\n");
    ProcessResult r = runProcess(
        {QORIX_CLI_PATH, "position", install(), "--standalone", "--decimal-separator=,"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(lfLineEnds(r.out), "4,5000\n5,0000\n6,0000\n");
}

}  // namespace
}  // namespace qorix::test
