#include "program/readsupport.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "app/cli.h"
#include "support/golden.h"

namespace qorix::test {

namespace {

char separatorOf(const std::filesystem::path& args) {
    for (const auto& line : readTextLines(args))
        if (line.rfind("--decimal-separator=", 0) == 0 && line.size() > 20) return line[20];
    return ',';
}

GoldenProgram load(const std::filesystem::path& tap) {
    auto args = tap;
    args.replace_extension(".args");
    return {tap.parent_path().filename().string() + "/" + tap.stem().string(), readTextLines(tap),
            separatorOf(args)};
}

}  // namespace

std::vector<GoldenProgram> goldenPrograms(const std::string& wizard) {
    std::vector<std::filesystem::path> taps;
    for (const auto& dir : std::filesystem::directory_iterator(goldenDir())) {
        if (!wizard.empty() && dir.path().filename() != wizard) continue;
        for (const auto& f : std::filesystem::directory_iterator(dir.path()))
            if (f.path().extension() == ".tap") taps.push_back(f.path());
    }
    std::sort(taps.begin(), taps.end());
    std::vector<GoldenProgram> programs;
    for (const auto& tap : taps) programs.push_back(load(tap));
    return programs;
}

GoldenProgram goldenProgram(const std::string& wizard, const std::string& name) {
    return load(goldenDir() / wizard / (name + ".tap"));
}

std::vector<std::string> generated(const std::string& wizard,
                                   const std::vector<std::string>& args) {
    std::vector<std::string> all{"generate", wizard};
    all.insert(all.end(), args.begin(), args.end());
    std::ostringstream out, err;
    EXPECT_EQ(runCli(all, out, err, ','), 0) << err.str();
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

program::ReadResult readText(const std::string& text, char separator) {
    program::ReadOptions options;
    options.decimalSeparator = separator;
    return program::readProgram(std::string_view(text), options);
}

std::string describe(const std::vector<program::Warning>& warnings) {
    std::string s;
    for (const auto& w : warnings) s += std::to_string(w.line) + ": " + w.text + "\n";
    return s;
}

std::vector<program::Warning> warningsOf(const program::ReadResult& r, program::WarningKind kind) {
    std::vector<program::Warning> found;
    for (const auto& w : r.warnings)
        if (w.kind == kind) found.push_back(w);
    return found;
}

std::vector<std::pair<program::Move, program::Arc>> arcsOf(const program::Toolpath& path) {
    std::vector<std::pair<program::Move, program::Arc>> arcs;
    for (const auto& m : path.moves)
        if (m.kind == program::MoveKind::Arc) arcs.emplace_back(m, path.arcs[m.aux]);
    return arcs;
}

}  // namespace qorix::test
