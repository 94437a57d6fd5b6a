// The command-line generator: arguments, exit status, messages, saving and describe.
#include "app/cli.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "support/golden.h"
#include "support/process.h"

namespace qorix {
namespace {

struct CliRun {
    int status;
    std::string out, err;
};

CliRun cli(std::vector<std::string> args, char regional = ',') {
    std::ostringstream out, err;
    int status = runCli(args, out, err, regional);
    return {status, out.str(), err.str()};
}

TEST(CliUsage, UnknownWizardControlOrValueIsAUsageErrorNamingTheArgument) {
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    for (const Case& c : std::vector<Case>{
             {{"generate", "square-pocket"}, "square-pocket"},
             {{"generate", "cut-circle", "Edit_q_=1"}, "Edit_q_=1"},
             {{"generate", "cut-circle", "CheckBox_msg_=2"}, "CheckBox_msg_=2"},
             {{"generate", "cut-circle", "RadioGroup_h_=3"}, "RadioGroup_h_=3"},
             {{"generate", "cut-circle", "RadioGroup_h_=x"}, "RadioGroup_h_=x"},
             {{"generate", "cut-circle", "Button1=1"}, "Button1=1"},
             {{"generate", "cut-circle", "--colour=red"}, "--colour=red"},
             {{"generate", "cut-circle", "Edit_x_"}, "Edit_x_"},
             {{"generate", "cut-circle", "--decimal-separator=ab"}, "--decimal-separator=ab"},
             // a disabled field cannot be typed into until its box is cleared
             {{"generate", "cut-circle", "Edit_szc_=0,5"}, "Edit_szc_=0,5"},
             {{"frobnicate"}, "frobnicate"},
         }) {
        CliRun r = cli(c.args);
        EXPECT_EQ(r.status, 2) << c.named;
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << c.named;
    }
}

TEST(CliGenerate, ArgumentsRunTheControlsHandlersInOrder) {
    CliRun r = cli({"generate", "cut-circle", "CheckBox_szc_=0", "Edit_szc_=1,5"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("(mélységi ciklusok száma 2)\n"), std::string::npos);
}

TEST(CliGenerate, ARefusedPressExitsOneWithTheMessageOnStderr) {
    CliRun r = cli({"generate", "cut-circle", "Edit_m_=0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "Figyelmeztetés rossz paraméterezésről: Marás mélyége \"0\", vagy nem adtál meg "
              "értéket.\n");
}

TEST(CliGenerate, AConversionFailureExitsOne) {
    CliRun r = cli({"generate", "cut-circle", "Edit_x_=abc"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "QORIX varázslók: „abc” nem érvényes szám. (mező: X tengely kezdőpontja)\n");
}

TEST(CliGenerate, OneRefusedPressAmongGoodOnesStillExitsOne) {
    CliRun r =
        cli({"generate", "cut-circle", "--press", "Edit_r_=1", "--press", "Edit_r_=20", "--press"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("M30"), std::string::npos);  // the last press wrote
}

TEST(CliGenerate, TheRegionalSeparatorIsUsedUnlessOverridden) {
    EXPECT_NE(cli({"generate", "cut-circle"}, '.').out.find("G0 Z5.0000\n"), std::string::npos);
    EXPECT_NE(
        cli({"generate", "cut-circle", "--decimal-separator=,"}, '.').out.find("G0 Z5,0000\n"),
        std::string::npos);
}

TEST(CliGenerate, OutputFileIsWindows1250WithCrLfAfterEveryLine) {
    test::TempDir dir;
    std::string file = dir.file("kör.tap");
    CliRun r = cli({"generate", "cut-circle", "--output=" + file});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string bytes = test::readBytes(file);
    // "(Kör kivágás - cut circle)" with ö = 0xF6 and á = 0xE1 in Windows-1250
    EXPECT_EQ(bytes.substr(0, 28), "(K\xF6r kiv\xE1g\xE1s - cut circle)\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 9), "M5\r\nM30\r\n");
    std::size_t lines = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == '\r') {
            EXPECT_EQ(bytes[i + 1], '\n');
            ++lines;
        }
    EXPECT_EQ(lines, 27u);
}

TEST(CliGenerate, AnOutputFileThatCannotBeWrittenExitsOne) {
    test::TempDir dir;
    CliRun r = cli({"generate", "cut-circle", "--output=" + dir.file("missing/prog.tap")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("prog.tap"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("M30"), std::string::npos);
}

TEST(CliDescribe, ListsEveryControlWithKindCaptionAndDefault) {
    CliRun r = cli({"describe", "cut-circle"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Edit_r_\tEdit\t\"Kör átmérője:\"\t\"20\"\n"), std::string::npos);
    EXPECT_NE(r.out.find("CheckBox_szc_\tCheckBox\t\"nincs\"\t\"1\"\n"), std::string::npos);
    EXPECT_NE(r.out.find("Edit_szc_\tEdit\t\"Lépésenkénti maximális fogási mélység: \"\t\"0,6\""
                         "\tdisabled\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("RadioGroup_h_\tRadioGroup\t\" Hűtés [nincs|M7|M8]\"\t\"0\"\n"),
              std::string::npos);
}

// What describe lists is read by scripts: every wizard's list, names, order, captions and
// defaults, stays byte for byte as tests/golden/<slug>/describe.txt has it.
TEST(CliDescribe, ListsEveryWizardsControlsAsBefore) {
    for (const char* slug : {"fibonacci", "circular-pocket", "rectangle-pocket", "cut-circle",
                             "cut-rectangle", "bolt-circle", "rectangle-holes", "thread-repair"}) {
        CliRun r = cli({"describe", slug});
        EXPECT_EQ(r.status, 0) << slug;
        EXPECT_EQ(r.out, test::readBytes(test::goldenDir() / slug / "describe.txt")) << slug;
    }
}

// The real program reads the separator from the regional settings of its environment
// (on Windows from the user's settings, which a test does not change).
TEST(CliProgram, ReadsTheDecimalSeparatorFromTheRegionalSettings) {
#ifdef _WIN32
    GTEST_SKIP() << "the regional settings of Windows are the user's, not the environment's";
#endif
    auto run = [](const char* locale) {
        test::ProcessOptions options;
        options.environment = {{"LC_ALL", locale}};
        return test::runProcess({QORIX_CLI_PATH, "generate", "cut-circle"}, options);
    };
    test::ProcessResult hu = run("hu_HU.UTF-8");
    EXPECT_EQ(hu.status, 0);
    EXPECT_NE(test::lfLineEnds(hu.out).find("G0 Z5,0000\n"), std::string::npos) << hu.out << hu.err;
    test::ProcessResult c = run("en_US.UTF-8");
    EXPECT_EQ(c.status, 0);
    EXPECT_NE(test::lfLineEnds(c.out).find("G0 Z5.0000\n"), std::string::npos) << c.out << c.err;
    test::ProcessResult u = run("C");
    EXPECT_EQ(u.status, 0);
    EXPECT_NE(test::lfLineEnds(u.out).find("G0 Z5.0000\n"), std::string::npos) << u.out << u.err;
}

}  // namespace
}  // namespace qorix
