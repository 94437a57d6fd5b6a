// --help and --version in the usual GNU form, on the real programs.
#include <gtest/gtest.h>

#include <string>

#include "app/wizardregistry.h"
#include "support/process.h"

namespace qorix {
namespace {

struct Result {
    int status;
    std::string out;
};

// The program's exit status and its standard output with LF line ends.
Result run(std::vector<std::string> args, const test::ProcessOptions& options = {}) {
    test::ProcessResult r = test::runProcess(args, options);
    return {r.inTime ? r.status : -1, test::lfLineEnds(r.out)};
}

TEST(ProgramOptions, CliHelpListsEveryVerbWizardAndExitCode) {
    Result r = run({QORIX_CLI_PATH, "--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* verb : {"generate", "describe", "position", "mdi"})
        EXPECT_NE(r.out.find(std::string("  ") + verb), std::string::npos) << verb;
    for (const auto& e : wizardRegistry()) EXPECT_NE(r.out.find(e.slug), std::string::npos);
    EXPECT_NE(r.out.find("Kilépési kód: 0"), std::string::npos);
    EXPECT_NE(r.out.find("2 hibás használat"), std::string::npos);
}

TEST(ProgramOptions, VersionNamesTheProgramAndThePackage) {
    Result cli = run({QORIX_CLI_PATH, "--version"});
    EXPECT_EQ(cli.status, 0);
    EXPECT_EQ(cli.out.substr(0, cli.out.find('\n')),
              "qorix-wizards-cli (QORIX varázslók) " QORIX_VERSION_TEXT);
#ifdef QORIX_DESKTOP_PATH
    Result desktop = run({QORIX_DESKTOP_PATH, "--version"});
    EXPECT_EQ(desktop.status, 0);
    EXPECT_EQ(desktop.out.substr(0, desktop.out.find('\n')),
              "qorix-wizards (QORIX varázslók) " QORIX_VERSION_TEXT);
    // the desktop program answers without a display
    test::ProcessOptions noDisplay;
    noDisplay.environment = {{"DISPLAY", std::nullopt}, {"QT_QPA_PLATFORM", std::nullopt}};
    Result help = run({QORIX_DESKTOP_PATH, "--help"}, noDisplay);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Használat: qorix-wizards [TELEPÍTÉSI_MAPPA]"), std::string::npos);
#endif
}

}  // namespace
}  // namespace qorix
