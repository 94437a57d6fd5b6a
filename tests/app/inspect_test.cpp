// "inspect" and "generate --inspect": the measures and warnings in Hungarian and as JSON,
// the exit status, and the SVG picture on disk.
#include "app/inspect.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/cli.h"
#include "app/programfile.h"
#include "link/textfile.h"
#include "support/golden.h"

namespace qorix {
namespace {

using test::TempDir;

struct CliResult {
    int status;
    std::string out, err;
};

CliResult cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    int status = runCli(args, out, err, ',');
    return {status, out.str(), err.str()};
}

// A golden program saved as the program saves it (Windows-1250, CR LF).
std::string saved(const TempDir& dir, const std::string& wizard, const std::string& name,
                  std::vector<std::string> (*change)(std::vector<std::string>) = nullptr) {
    auto lines = test::readTextLines(test::goldenDir() / wizard / (name + ".tap"));
    if (change) lines = change(lines);
    std::string path = dir.file(name + ".tap");
    textfile::writeLines(path, lines);
    return path;
}

TEST(Inspect, TellsTheMeasuresOfACleanProgramAndExitsZero) {
    TempDir dir;
    CliResult r = cli({"inspect", saved(dir, "circular-pocket", "worked-example")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Mozgások: 15\n"
              "Tizedesjel: vessző (a programból)\n"
              "Terjedelem: X -7,5 … 7,5; Y -7,5 … 7,5; Z -2 … 5\n"
              "Marás terjedelme: X -7,5 … 7,5; Y -7,5 … 7,5; Z -2 … 5\n"
              "Legmélyebb Z: -2\n"
              "Forgácsoló út: 135,7908 mm\n"
              "Gyorsmeneti út: 5 mm\n"
              "Becsült futási idő: 0:45 (perc:mp)\n"
              "Furatok: 0\n"
              "Fogások: 1\n"
              "Szerszámcserék: 1\n"
              "Figyelmeztetés: nincs\n");
    EXPECT_EQ(r.err, "");
}

std::vector<std::string> rapidAtDepth(std::vector<std::string> lines) {
    for (auto& l : lines)
        if (l == "(főciklus vége)") l = "G0 X0,0000 Y0,0000";
    return lines;
}

TEST(Inspect, AWarningIsToldWithItsLineAndTheStatusIsOne) {
    TempDir dir;
    CliResult r = cli({"inspect", saved(dir, "cut-circle", "worked-example", rapidAtDepth)});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("Figyelmeztetések: 1\n  22. sor: Gyorsmenet X/Y irányban a munkadarab "
                         "teteje (Z0) alatt, Z-2 magasságban: az anyagba megy\n"),
              std::string::npos)
        << r.out;
    // the top set lower than the depth: nothing crosses it
    EXPECT_EQ(cli({"inspect", saved(dir, "cut-circle", "worked-example", rapidAtDepth), "--top=-3"})
                  .status,
              0);
}

TEST(Inspect, JsonCarriesTheSameForScripts) {
    TempDir dir;
    CliResult r =
        cli({"inspect", saved(dir, "bolt-circle", "dot-separator"), "--decimal-separator=.",
             "--json", "--rapid-rate=6000", "--tool-change-time=0"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"bounds\": {\"min\": [", 0), 0u) << r.out;
    for (const char* key :
         {"\"feed_bounds\": {\"min\": [", "\"lowest_z\": -10,",
          "\"cut_length\": ", "\"rapid_length\": ", "\"time_s\": ", "\"holes\": 5,",
          "\"tool_changes\": 1,", "\"moves\": ", "\"warnings\": []}\n"})
        EXPECT_NE(r.out.find(key), std::string::npos) << key << "\n" << r.out;
    CliResult bad =
        cli({"inspect", saved(dir, "cut-circle", "worked-example", rapidAtDepth), "--json"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.out.find("\"warnings\": [{\"line\": 22, \"text\": \"Gyorsmenet X/Y"),
              std::string::npos)
        << bad.out;
}

TEST(Inspect, AnUnreadableFileOrABadOptionIsStatusTwo) {
    TempDir dir;
    CliResult missing = cli({"inspect", dir.file("nincs.tap")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("qorix-wizards-cli: "), std::string::npos);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(cli({"inspect", dir.file("a.tap"), "--top=magas"}).status, 2);
    EXPECT_EQ(cli({"inspect", dir.file("a.tap"), "--colour=red"}).status, 2);
    EXPECT_EQ(cli({"inspect", "a.tap", "b.tap"}).status, 2);
    EXPECT_EQ(cli({"inspect", dir.file("a.tap"), "--decimal-separator=;"}).status, 2);
}

// A program is no exchange file: one of many kilobytes is read whole, a folder is refused.
TEST(Inspect, AProgramOfManyKilobytesIsReadWhole) {
    TempDir dir;
    std::vector<std::string> lines{"G21 G90", "G0 X0 Y0 Z5", "G1 Z-1 F100"};
    for (int i = 0; i < 3000; ++i)
        lines.push_back(i % 2 ? "G1 X0,0000 Y0,0000" : "G1 X10,0000 Y0,0000");
    lines.insert(lines.end(), {"G0 Z5", "M30"});
    const std::string path = dir.file("hosszu.tap");
    textfile::writeLines(path, lines);
    CliResult r = cli({"inspect", path});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Mozgások: 3003\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("Forgácsoló út: 30006 mm\n"), std::string::npos) << r.out;
    CliResult folder = cli({"inspect", dir.path().string()});
    EXPECT_EQ(folder.status, 2);
    EXPECT_NE(folder.err.find("nem közönséges fájl"), std::string::npos) << folder.err;
}

// "Megnyitás" of a picture filled the box with garbage: bytes that are no text are refused,
// and a file in UTF-8 keeps its letters.
TEST(ProgramFile, BytesThatAreNoTextAreRefusedAndUtf8KeepsItsLetters) {
    TempDir dir;
    const std::vector<std::string> lines{"(mélység)", "G0 X1"};
    const struct {
        const char* name;
        std::string bytes;
        const char* refusal;  // a piece of the reason; null: read
    } cases[] = {{"nul-byte", std::string("G0 X1\0\1", 7), "NUL bájt"},
                 {"control", "G0 X1\x02\x03\r\n", "vezérlőkarakter"},
                 {"undefined", "G0 X1 \x81\x98\r\n", "sem Windows-1250, sem UTF-8"},
                 {"cp1250", "(m\xE9lys\xE9g)\r\nG0 X1\r\n", nullptr},
                 {"utf8", "\xEF\xBB\xBF(mélység)\nG0 X1\n", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // (no case may be named "nul": Windows takes NUL.tap for its null device)
        const std::string path = dir.file(std::string(c.name) + ".tap");
        textfile::writeBytes(path, c.bytes);
        if (!c.refusal) {
            EXPECT_EQ(readProgramFile(path), lines);
            continue;
        }
        try {
            readProgramFile(path);
            ADD_FAILURE() << "read as a program";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(c.refusal), std::string::npos) << e.what();
        }
    }
}

// The file's lines are split as every other text file of the program is: at CR LF, CR or LF,
// a last line without its end kept, Windows-1250 letters decoded line by line.
TEST(ProgramFile, SplitsAtEveryLineEndAsTheTextFilesDo) {
    TempDir dir;
    const std::string cases[] = {"",
                                 "\n",
                                 "G0 X1",
                                 "G0 X1\r\n\r\nM30\r\n",
                                 "a\rb\nc\r\nd",
                                 "a\r\r\n\n\rb\n\n",
                                 "(m\xE9lys\xE9g \x8A\x9A)\rG1 X2,5\n(\xF5\xFB)",
                                 "\xEF\xBB\xBF(mélység)\r\nG0 X1\r(ő)\n"};
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes);
        const std::string path = dir.file("sorok.tap");
        textfile::writeBytes(path, bytes);
        const bool utf8 = bytes.rfind("\xEF\xBB\xBF", 0) == 0;
        EXPECT_EQ(readProgramFile(path),
                  utf8 ? textfile::splitTextLines(bytes.substr(3)) : textfile::splitLines(bytes));
    }
}

TEST(Inspect, TheSvgShowsRapidsDashedCutsSolidAndHolesAsCircles) {
    TempDir dir;
    std::string svg = dir.file("furatok.svg");
    CliResult r = cli({"inspect", saved(dir, "bolt-circle", "chosen-holes-1-3-5"), "--svg=" + svg,
                       "--tool-diameter=5"});
    EXPECT_EQ(r.status, 0) << r.err;
    std::string picture = test::readBytes(svg);
    EXPECT_EQ(picture.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\"", 0), 0u);
    std::size_t circles = 0;
    for (auto at = picture.find("<circle"); at != std::string::npos;
         at = picture.find("<circle", at + 1))
        ++circles;
    EXPECT_EQ(circles, 3u);
    EXPECT_NE(picture.find("stroke-dasharray=\"5 4\""), std::string::npos);
    EXPECT_NE(picture.find("mm</text>"), std::string::npos);
    EXPECT_EQ(cli({"inspect", saved(dir, "bolt-circle", "chosen-holes-1-3-5"),
                   "--svg=" + dir.file("nincs/ilyen/mappa.svg")})
                  .status,
              2);
}

// The depth a page knows, from the command line; and the moves one by one for other tools.
TEST(Inspect, DepthFromTheCommandLineAndTheMoveListAsJson) {
    TempDir dir;
    std::string path = dir.file("p.tap");
    textfile::writeLines(path,
                         {"G21", "G0 X10 Y0 Z5", "G1 Z-3 F100", "G3 I-10 J0", "G0 Z5", "M30"});
    auto deep = cli({"inspect", path, "--depth=-2,5"});
    EXPECT_EQ(deep.status, 1);
    EXPECT_NE(deep.out.find("3. sor: Marás a kért mélység (Z-2,5) alatt: Z-3"), std::string::npos)
        << deep.out;
    auto json = cli({"inspect", path, "--json", "--moves"});
    EXPECT_EQ(json.status, 0) << json.out;
    EXPECT_NE(json.out.find("\"move_list\": [{\"line\": 2, \"kind\": \"rapid\", \"end\": "
                            "[10, 0, 5]}, {\"line\": 3, \"kind\": \"feed\", \"end\": [10, 0, -3]}, "
                            "{\"line\": 4, \"kind\": \"arc\", \"end\": [10, 0, -3], "
                            "\"centre\": [0, 0], \"direction\": \"ccw\"}, {\"line\": 5, "
                            "\"kind\": \"rapid\", \"end\": [10, 0, 5]}]}"),
              std::string::npos)
        << json.out;
    EXPECT_EQ(cli({"inspect", path, "--moves"}).status, 2);
}

// Each verb answers its own --help with its own usage, not as an unknown option.
TEST(Inspect, EveryVerbAnswersItsOwnHelp) {
    for (const char* verb : {"generate", "inspect", "describe", "position", "mdi"}) {
        auto r = cli({verb, "--help"});
        EXPECT_EQ(r.status, 0) << verb << r.err;
        EXPECT_EQ(r.out.rfind(std::string("használat: qorix-wizards-cli ") + verb + " ", 0), 0u)
            << r.out;
    }
    EXPECT_NE(cli({"inspect", "--help"}).out.find("--depth=Z"), std::string::npos);
}

TEST(GenerateInspect, ThePageTellsTheTopAndTheDepth) {
    CliResult clean = cli({"generate", "circular-pocket", "--inspect"});
    EXPECT_EQ(clean.status, 0) << clean.out;
    EXPECT_EQ(clean.out.rfind("Mozgások: 15\n", 0), 0u) << clean.out;
    // start Z 5 with the retract plane left at Z 1: between holes the drill moves inside the
    // part, which only the page can tell (read as a file the top is 0)
    CliResult deep = cli({"generate", "bolt-circle", "Edit_z_=5", "--inspect", "--json"});
    EXPECT_EQ(deep.status, 1) << deep.out;
    EXPECT_NE(deep.out.find("a munkadarab teteje (Z5) alatt, Z1 magasságban"), std::string::npos)
        << deep.out;
    // a refused page writes nothing to inspect
    EXPECT_EQ(cli({"generate", "cut-circle", "Edit_m_=0", "--inspect"}).status, 1);
}

}  // namespace
}  // namespace qorix
