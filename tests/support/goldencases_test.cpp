// Every case under tests/golden/<wizard>/<case>.args is run through the command-line
// generator; its output must equal <case>.tap line for line. An .args file holds one
// argument a line; "#exit N" sets the expected exit status (0 otherwise), and an optional
// <case>.err holds the expected message lines. A job named by --job=FILE and a tool table
// named by --tools=FILE lie beside the case.
#include <gtest/gtest.h>

#include <sstream>

#include "app/cli.h"
#include "support/golden.h"

namespace qorix::test {
namespace {

struct GoldenCase {
    std::string wizard;
    std::filesystem::path args;
};

std::vector<GoldenCase> allCases() {
    std::vector<GoldenCase> cases;
    for (const auto& dir : std::filesystem::directory_iterator(goldenDir())) {
        if (!dir.is_directory()) continue;
        for (const auto& f : std::filesystem::directory_iterator(dir.path()))
            if (f.path().extension() == ".args")
                cases.push_back({dir.path().filename().string(), f.path()});
    }
    std::sort(cases.begin(), cases.end(),
              [](const GoldenCase& a, const GoldenCase& b) { return a.args < b.args; });
    return cases;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.args.string(); }

class GoldenProgram : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenProgram, OutputEqualsGoldenFile) {
    const GoldenCase& c = GetParam();
    std::vector<std::string> args{"generate", c.wizard};
    int expectedExit = 0;
    for (const auto& line : readTextLines(c.args)) {
        if (line.rfind("#exit ", 0) == 0)
            expectedExit = std::stoi(line.substr(6));
        else if (line.rfind("--job=", 0) == 0)
            args.push_back("--job=" + utf8(c.args.parent_path() / line.substr(6)));
        else if (line.rfind("--tools=", 0) == 0)
            args.push_back("--tools=" + utf8(c.args.parent_path() / line.substr(8)));
        else if (!line.empty() && line[0] != '#')
            args.push_back(line);
    }
    std::ostringstream out, err;
    int status = runCli(args, out, err, ',');
    EXPECT_EQ(status, expectedExit) << err.str();
    auto tap = c.args;
    tap.replace_extension(".tap");
    EXPECT_TRUE(sameLines(splitLines(out.str()), readTextLines(tap))) << tap;
    auto errFile = c.args;
    errFile.replace_extension(".err");
    if (std::filesystem::exists(errFile))
        EXPECT_TRUE(sameLines(splitLines(err.str()), readTextLines(errFile))) << errFile;
    else
        EXPECT_EQ(err.str(), "") << c.args;
}

std::string caseName(const ::testing::TestParamInfo<GoldenCase>& info) {
    std::string name = info.param.wizard + "_" + info.param.args.stem().string();
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(All, GoldenProgram, ::testing::ValuesIn(allCases()), caseName);

}  // namespace
}  // namespace qorix::test
