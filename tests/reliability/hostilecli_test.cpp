// The command line tried as a hostile user would: inputs that once ran away, numbers beyond a
// double, separators that are no separators, presses that wrote nothing and a disk that is
// full. Each gives a clear message or a correct program, never a hang, gigabytes or a lost
// file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app/cli.h"
#include "link/fileguard.h"
#include "support/golden.h"
#include "support/process.h"
#include "wizards/common/errors.h"
#include "wizards/common/numbertext.h"

namespace qorix::test {
namespace {

struct CliRun {
    int status = -1;
    std::string out, err;
};

CliRun cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = runCli(args, out, err, ',');
    return {status, out.str(), err.str()};
}

// The program itself in a child with the limits given (bash's "ulimit -v 400000"; Windows
// has no such limits and runs it without them), for at most `seconds`; `inTime` is false when
// it had to be stopped.
ProcessResult child([[maybe_unused]] const std::string& limits,
                    const std::vector<std::string>& args, int seconds = 20) {
    std::vector<std::string> command{QORIX_CLI_PATH};
#ifndef _WIN32
    command = {"/bin/bash", "-c", limits + "; exec \"$0\" \"$@\"", QORIX_CLI_PATH};
#endif
    command.insert(command.end(), args.begin(), args.end());
    ProcessOptions options;
    options.timeLimit = std::chrono::seconds(seconds);
    ProcessResult r = runProcess(command, options);
    r.err = lfLineEnds(r.err);
    return r;
}

void putBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

constexpr const char* kRefusal = "Figyelmeztetés rossz paraméterezésről: ";

// A start and measured height far from zero left the pitch lost in the rounding of Z: the
// pass loop wrote millions of circles at one height (1e26), ran out of memory (1e27) or
// never ended (1e308). Now the check refuses them at once, in little memory.
// AddressSanitizer reserves terabytes of address space at start and cannot run under a
// memory limit: the sanitized run checks the refusal without the limit.
#if defined(__SANITIZE_ADDRESS__)
constexpr const char* kMemoryLimit = "true";
#else
constexpr const char* kMemoryLimit = "ulimit -v 400000";
#endif

TEST(ThreadRepairRunaway, HeightsFarFromZeroAreRefusedAtOnceInLittleMemory) {
    for (const char* height : {"1e26", "1e27", "1e308", "-1e300"}) {
        ProcessResult e = child(kMemoryLimit,
                                {"generate", "thread-repair", std::string("Edit_z_=") + height,
                                 std::string("Edit_Zpos_=") + height});
        EXPECT_TRUE(e.inTime) << height;
        EXPECT_EQ(e.status, 1) << height << ": " << e.err;
        EXPECT_EQ(e.out, "") << height;
        EXPECT_TRUE(contains(
            e.err, std::string(kRefusal) + "A menetemelkedés túl kicsi a Z értékekhez képest"))
            << e.err;
    }
}

// The check's estimate of the circles leaves out the height correction; the count made
// before the program is written holds the bound for every input. A pitch of 0,001 over a
// length of 9,9 with the correction at +1 mm needed 10 903 circles a pass.
TEST(ThreadRepairRunaway, TheCircleBoundHoldsWithTheHeightCorrection) {
    CliRun r =
        cli({"generate", "thread-repair", "Edit_zm_=0,001", "Edit_ml_=9,9", "ScrollBar2=1000"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(contains(r.err, std::string(kRefusal) +
                                    "A menet túl hosszú a menetemelkedéshez képest: egy fogás "
                                    "legfeljebb 10000 kört írhat."))
        << r.err;
    // without the correction the same thread fits: 9 900 circles in each of three passes
    CliRun fits = cli({"generate", "thread-repair", "Edit_zm_=0,001", "Edit_ml_=9,9"});
    EXPECT_EQ(fits.status, 0) << fits.err;
    std::size_t circles = 0;
    for (std::size_t at = 0; (at = fits.out.find("\nG2 X", at)) != std::string::npos; ++at)
        ++circles;
    EXPECT_EQ(circles, 3u * 9902u);
}

// The thread page wrote what no other page would: a Z of 309 digits.
TEST(ThreadRepairRunaway, ANumberBeyondADoubleIsRefusedAsOnEveryPage) {
    CliRun r = cli({"generate", "thread-repair", "Edit_zm_=1e308"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(contains(r.err, std::string(kRefusal) +
                                    "A megadott értékekből olyan szám adódna, amelyet a gép nem "
                                    "tud beolvasni"))
        << r.err;
    EXPECT_TRUE(contains(r.err, "A hibás sor: G1 Z2000")) << r.err;
}

// A press that wrote no program once emptied the file named by --output.
TEST(OutputOfARefusedRun, TheEarlierFileStaysAsItWas) {
    TempDir dir;
    const std::string path = dir.file("job.tap");
    for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
             {"generate", "cut-circle", "Edit_r_=0"},
             {"generate", "cut-circle", "Edit_r_=abc"},
             {"generate", "thread-repair", "Edit_zm_=1e308"},
             // a series of which one press is refused
             {"generate", "cut-circle", "RadioGroup_s_=1", "--press", "Edit_r_=0", "--press"},
         }) {
        putBytes(path, "G0 X1\r\nM30\r\n");
        args.push_back("--output=" + path);
        CliRun r = cli(args);
        EXPECT_EQ(r.status, 1) << args[2];
        EXPECT_EQ(readBytes(path), "G0 X1\r\nM30\r\n") << args[2];
        EXPECT_TRUE(contains(r.err, "QORIX varázslók: A(z) „" + path +
                                        "” fájl nem változott, mert nem készült el minden "
                                        "program."))
            << r.err;
        EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"job.tap"});
    }
    // a run whose every press wrote saves as before
    CliRun ok = cli({"generate", "cut-circle", "--output=" + path});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_TRUE(contains(readBytes(path), "\r\nM30\r\n"));
}

TEST(DecimalSeparatorOption, OnlyACommaOrADotIsASeparator) {
    TempDir install;
    for (const char* bad : {"5", "x", "-", " ", "e"}) {
        const std::string option = std::string("--decimal-separator=") + bad;
        for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
                 {"generate", "cut-circle", option},
                 {"position", install.path().string(), option},
                 {"mdi", install.path().string(), "G0 X0", option},
             }) {
            CliRun r = cli(args);
            EXPECT_EQ(r.status, 2) << args[0] << " " << bad;
            EXPECT_EQ(r.out, "");
            EXPECT_TRUE(contains(r.err, "a tizedesjel vessző (,) vagy pont (.) lehet: " + option))
                << r.err;
        }
    }
    EXPECT_TRUE(filesIn(install.path()).empty());
    CliRun dot = cli({"generate", "cut-circle", "--decimal-separator=."});
    EXPECT_EQ(dot.status, 0);
    EXPECT_TRUE(contains(dot.out, "\nG0 Z5.0000\n")) << dot.out;
}

// A full disk ended the program by its signal, with no word and a temporary file left.
TEST(FileSizeLimit, TheCommandLineReportsTheWriteAndLeavesNoTemporaryFile) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no file size limit for a child process; the full disk of the "
                    "command line is tried through the writer's fault hook (FullDiskCli)";
#endif
    TempDir dir;
    const std::string path = dir.file("prog.tap");
    putBytes(path, "G0 X1\r\n");
    // a program of about 5 kB against a limit of 1 kB
    ProcessResult e = child("ulimit -f 1", {"generate", "rectangle-pocket", "Edit_xd_=200",
                                            "Edit_yd_=300", "--output=" + path});
    EXPECT_TRUE(e.inTime);
    EXPECT_EQ(e.status, 1) << e.err;
    EXPECT_TRUE(
        contains(e.err, "QORIX varázslók: A(z) „" + path + "” fájl nem írható: a fájl túl nagy."))
        << e.err;
    EXPECT_EQ(readBytes(path), "G0 X1\r\n");
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"prog.tap"});
}

// A long text in a message is cut between characters, never inside one.
TEST(MessageTexts, ALongFieldTextIsCutBetweenCharacters) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += "ő";
    CliRun r = cli({"generate", "cut-circle", "Edit_r_=" + text});
    EXPECT_EQ(r.status, 1);
    std::string cut;
    for (int i = 0; i < 28; ++i) cut += "ő";
    EXPECT_TRUE(contains(r.err, "QORIX varázslók: „" + cut + "...” nem érvényes szám.")) << r.err;
    EXPECT_EQ(shortened("abcdef", 6), "abcdef");
    EXPECT_EQ(shortened("abcdefg", 6), "abc...");
    EXPECT_EQ(shortened("ab\xC5\x91"
                        "defg",
                        6),
              "ab...");
}

// 1e-400 is already beyond a double and reads as nearly zero; 1e-5000, beyond a long double
// too, was refused. Both are a tiny number now, with its sign.
TEST(TinyNumbers, BeyondADoubleOrALongDoubleAlikeTheyReadAsZero) {
    NumberText num(',');
    for (const char* text : {"1e-400", "1e-5000", "0,0001e-99999", "-1e-5000", "-1e-400"}) {
        long double v = num.toFloat(text);
        EXPECT_EQ(num.f4(v), "0,0000") << text;
        EXPECT_EQ(std::signbit(v), text[0] == '-') << text;
    }
    for (const char* text : {"1e400", "1e5000", "-1e5000", "1000e99999"})
        EXPECT_THROW(num.toFloat(text), ConversionError) << text;
    CliRun r = cli({"generate", "cut-circle", "CheckBox_msg_=0", "Edit_x_=1e-5000"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, cli({"generate", "cut-circle", "CheckBox_msg_=0", "Edit_x_=1e-400"}).out);
}

}  // namespace
}  // namespace qorix::test
