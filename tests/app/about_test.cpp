// --help and --version in the usual GNU form, on the real programs.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "app/wizardregistry.h"

namespace qorix {
namespace {

struct Result {
    int status;
    std::string out;
};

Result run(const std::string& command) {
    Result r{-1, {}};
    FILE* p = popen((command + " 2>/dev/null").c_str(), "r");
    if (!p) return r;
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    int status = pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

TEST(ProgramOptions, CliHelpListsEveryVerbWizardAndExitCode) {
    Result r = run(std::string(QORIX_CLI_PATH) + " --help");
    EXPECT_EQ(r.status, 0);
    for (const char* verb : {"generate", "describe", "position", "mdi"})
        EXPECT_NE(r.out.find(std::string("  ") + verb), std::string::npos) << verb;
    for (const auto& e : wizardRegistry()) EXPECT_NE(r.out.find(e.slug), std::string::npos);
    EXPECT_NE(r.out.find("Kilépési kód: 0"), std::string::npos);
    EXPECT_NE(r.out.find("2 hibás használat"), std::string::npos);
}

TEST(ProgramOptions, VersionNamesTheProgramAndThePackage) {
    Result cli = run(std::string(QORIX_CLI_PATH) + " --version");
    EXPECT_EQ(cli.status, 0);
    EXPECT_EQ(cli.out.substr(0, cli.out.find('\n')),
              "qorix-wizards-cli (QORIX varázslók) " QORIX_VERSION_TEXT);
    Result desktop = run(std::string(QORIX_DESKTOP_PATH) + " --version");
    EXPECT_EQ(desktop.status, 0);
    EXPECT_EQ(desktop.out.substr(0, desktop.out.find('\n')),
              "qorix-wizards (QORIX varázslók) " QORIX_VERSION_TEXT);
    // the desktop program answers without a display
    Result help =
        run("env -u DISPLAY -u QT_QPA_PLATFORM " + std::string(QORIX_DESKTOP_PATH) + " --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Használat: qorix-wizards [TELEPÍTÉSI_MAPPA]"), std::string::npos);
}

}  // namespace
}  // namespace qorix
