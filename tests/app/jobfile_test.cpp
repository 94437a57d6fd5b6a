// Job files: every wizard's golden job is what the program itself writes, and a bad file is
// refused with its message while the page keeps every value it had.
#include "app/jobfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "app/cli.h"
#include "app/wizardregistry.h"
#include "link/textfile.h"
#include "platform/files.h"
#include "support/golden.h"
#include "support/posixfiles.h"
#include "support/storeservices.h"
#include "ui/controls.h"

namespace qorix::test {
namespace {

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(platform::pathOf(path), std::ios::binary) << bytes;
}

// The golden job of each wizard (tests/golden/<slug>/job.qjob, whose program job.tap is run
// with the other golden cases) loaded and saved again gives the same bytes: the file is the
// program's own writing, values other than the defaults included.
TEST(JobFile, EveryWizardsGoldenJobIsWhatTheProgramSaves) {
    TempDir dir;
    for (const WizardEntry& e : wizardRegistry()) {
        const std::filesystem::path golden = goldenDir() / e.slug / "job.qjob";
        ASSERT_TRUE(std::filesystem::exists(golden)) << "every wizard has a golden job: " << golden;
        const std::string saved = dir.file(e.slug + ".qjob");
        std::ostringstream out, err;
        runCli({"generate", e.slug, "--job=" + utf8(golden), "--save-job=" + saved}, out, err, ',');
        EXPECT_EQ(readBytes(saved), readBytes(golden)) << e.slug;
        // read in a run with dots, its numbers take the dot: the same program
        std::ostringstream dotOut;
        runCli({"generate", e.slug, "--job=" + utf8(golden)}, dotOut, err, '.');
        // only a point between digits is a number's ("1. mélységi ciklus" keeps its own)
        const std::string program =
            std::regex_replace(dotOut.str(), std::regex(R"((\d)\.(\d))"), "$1,$2");
        EXPECT_EQ(program, out.str()) << e.slug;
    }
}

struct BadJob {
    const char* what;
    std::string bytes;  // the file's content; see `kind` for what is not a file of bytes
    enum Kind { bytesFile, folder, fifo, missing, throughFile } kind = bytesFile;
    const char* message;  // after "A(z) „PATH” feladatfájl "
};

// Each refused with its message naming the file (and the line where one is at fault); the
// page keeps every value, also those of the lines before the one refused.
TEST(JobFile, BadFilesAreRefusedAndChangeNothing) {
    const std::string head = "qorix-job 1\nwizard=circular-pocket\nEdit4=44\n";
    const BadJob cases[] = {
        {"empty", "", BadJob::bytesFile, "1. sora nem tölthető be: a fájl üres."},
        {"only comments", "# semmi\n\n", BadJob::bytesFile,
         "2. sora nem tölthető be: a fájl üres."},
        {"binary", head + std::string("Edit3=\0\x01", 8), BadJob::bytesFile,
         "4. sora nem tölthető be: nem szöveg (bináris fájl?)."},
        {"not UTF-8", head + "Edit3=\xE9\n", BadJob::bytesFile,
         "4. sora nem tölthető be: nem szöveg (bináris fájl?)."},
        {"no header", "Edit4=44\n", BadJob::bytesFile,
         "1. sora nem tölthető be: nem feladatfájl (az első sora „qorix-job 1” kell legyen)."},
        {"newer version", "qorix-job 2\nwizard=circular-pocket\n", BadJob::bytesFile,
         "1. sora nem tölthető be: a feladatfájl újabb változatú (2), ez a program legfeljebb "
         "a(z) 1. változatot olvassa."},
        {"another wizard's", "qorix-job 1\nwizard=cut-circle\nEdit4=44\n", BadJob::bytesFile,
         "2. sora nem tölthető be: a feladat a(z) „cut-circle” varázslóé, nem a(z) "
         "„circular-pocket”-é."},
        {"bad separator", "qorix-job 1\nwizard=circular-pocket\ndecimal-separator=;\n",
         BadJob::bytesFile,
         "3. sora nem tölthető be: a tizedesjel vessző (,) vagy pont (.) lehet."},
        {"no wizard", "qorix-job 1\nEdit4=44\n", BadJob::bytesFile,
         "2. sora nem tölthető be: hiányzik a varázsló neve („wizard=circular-pocket”)."},
        {"unknown control", head + "Edit_q_=1\n", BadJob::bytesFile,
         "4. sora nem tölthető be: ismeretlen vezérlő: „Edit_q_”."},
        {"a button", head + "Button1=1\n", BadJob::bytesFile,
         "4. sora nem tölthető be: ismeretlen vezérlő: „Button1”."},
        {"broken line", head + "\r\nEdit3 6\r\n", BadJob::bytesFile,
         "5. sora nem tölthető be: hibás sor, VEZÉRLŐ=ÉRTÉK alakú kell legyen."},
        {"named twice", head + "Edit4=45\n", BadJob::bytesFile,
         "4. sora nem tölthető be: a(z) „Edit4” vezérlő másodszor szerepel."},
        {"a tick of 2", head + "CheckBox2=2\n", BadJob::bytesFile,
         "4. sora nem tölthető be: 0 vagy 1 kell: „CheckBox2=2”."},
        {"no such choice", head + "RadioGroup2=3\n", BadJob::bytesFile,
         "4. sora nem tölthető be: nincs ilyen választható elem: „RadioGroup2=3”."},
        {"bar out of range", head + "ScrollBar1=101\n", BadJob::bytesFile,
         "4. sora nem tölthető be: a tartományon kívül: „ScrollBar1=101”."},
        // the bar's handler reads the tool field, set first, and refuses it half way
        {"a value the page refuses", head + "ScrollBar1=40\nEdit3=abc\n", BadJob::bytesFile,
         "4. sora nem tölthető be: „abc” nem érvényes szám. (mező: Szerszám átmérő)."},
        {"10 MB", head + std::string(10 << 20, '#'), BadJob::bytesFile,
         "nem tölthető be: nagyobb, mint 64 kB, így nem feladatfájl."},
        {"a folder", "", BadJob::folder,
         "nem tölthető be: nem közönséges fájl, hanem mappa, csővezeték vagy eszköz."},
        {"a FIFO", "", BadJob::fifo,
         "nem tölthető be: nem közönséges fájl, hanem mappa, csővezeték vagy eszköz."},
    };
    for (const BadJob& c : cases) {
        if (c.kind == BadJob::fifo && !kPosixFiles) continue;
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string path = dir.file("hibás.qjob");
        if (c.kind == BadJob::folder) std::filesystem::create_directory(platform::pathOf(path));
        if (c.kind == BadJob::fifo) {
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        }
        if (c.kind == BadJob::bytesFile) writeFile(path, c.bytes);
        StoreServices s;
        auto wizard = findWizard("circular-pocket")->make(s.services);
        wizard->startup();
        ui::Form& page = *wizard->forms().front();
        const std::string before = ui::inputState(page);
        try {
            job::load(path, "circular-pocket", page, ',');
            ADD_FAILURE() << "loaded";
        } catch (const job::JobError& e) {
            EXPECT_EQ(e.what(), "A(z) „" + path + "” feladatfájl " + c.message);
        }
        EXPECT_EQ(ui::inputState(page), before);
    }
}

// A file that cannot be read at all is the usual file failure, naming the file and the reason.
TEST(JobFile, UnreadableFileIsAFileFailure) {
    TempDir dir;
    writeFile(dir.file("egy.txt"), "x");
    StoreServices s;
    auto wizard = findWizard("cut-circle")->make(s.services);
    const std::string before = ui::inputState(*wizard->forms().front());
    for (const std::string& path : {dir.file("nincs.qjob"), dir.file("egy.txt/a.qjob")}) {
        try {
            job::load(path, "cut-circle", *wizard->forms().front(), ',');
            ADD_FAILURE() << path;
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("A(z) „" + path + "” fájl nem olvasható: ", 0),
                      0u)
                << e.what();
        }
    }
    EXPECT_EQ(ui::inputState(*wizard->forms().front()), before);
}

}  // namespace
}  // namespace qorix::test
