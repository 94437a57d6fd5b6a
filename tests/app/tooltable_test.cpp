// The tool table: a bad file is reported with its message and left as it was (the run goes on
// with no tools), a table comes back as it was saved, and the editor keeps numbers with a dot
// in the file whatever separator they were typed with.
#include "app/tooltable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/cli.h"
#include "app/toolchoice.h"
#include "app/tooleditor.h"
#include "link/textfile.h"
#include "platform/files.h"
#include "support/golden.h"
#include "support/posixfiles.h"
#include "ui/dialogs.h"

namespace qorix::test {
namespace {

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(platform::pathOf(path), std::ios::binary) << bytes;
}

const std::string kHead = "qorix-tools 1\n";

struct BadTable {
    const char* what;
    std::string bytes;
    enum Kind { bytesFile, folder, fifo, underAFile } kind = bytesFile;
    const char* message;  // after "A(z) „PATH” "
};

TEST(ToolTable, BadFilesAreReportedAndLeftAsTheyWere) {
    const BadTable cases[] = {
        {"binary", kHead + std::string("1;a;6\0;;;;;;", 12), BadTable::bytesFile,
         "szerszámtábla 2. sora nem olvasható: nem szöveg (bináris fájl?)."},
        {"no header", "1;a;6;;;;;;\n", BadTable::bytesFile,
         "szerszámtábla 1. sora nem olvasható: nem szerszámtábla (az első sora „qorix-tools 1” "
         "kell legyen)."},
        {"newer version", "qorix-tools 2\n", BadTable::bytesFile,
         "szerszámtábla 1. sora nem olvasható: a szerszámtáblát a program egy újabb változata "
         "írta (2), ez a program legfeljebb a(z) 1. változatot olvassa."},
        {"broken line", kHead + "# ok\n\r\n1;a;6;3\r\n", BadTable::bytesFile,
         "szerszámtábla 4. sora nem olvasható: hibás sor, 9 pontosvesszővel elválasztott "
         "oszlop kell."},
        {"duplicate number", kHead + "4;a;6;;;;;;\n4;b;8;;;;;;\n", BadTable::bytesFile,
         "szerszámtábla 3. sora nem olvasható: a(z) 4. szerszám másodszor szerepel."},
        {"diameter no number", kHead + "1;a;hat;;;;;;\n", BadTable::bytesFile,
         "szerszámtábla 2. sora nem olvasható: az átmérő nem pozitív szám."},
        {"diameter 0", kHead + "1;a;0.0;;;;;;\n", BadTable::bytesFile,
         "szerszámtábla 2. sora nem olvasható: az átmérő nem pozitív szám."},
        {"diameter with a comma", kHead + "1;a;6,5;;;;;;\n", BadTable::bytesFile,
         "szerszámtábla 2. sora nem olvasható: az átmérő nem pozitív szám."},
        {"tool number 0", kHead + "0;a;6;;;;;;\n", BadTable::bytesFile,
         "szerszámtábla 2. sora nem olvasható: a szerszám száma nem pozitív egész szám."},
        {"a feed with decimals", kHead + "1;a;6;;;;150.5;;\n", BadTable::bytesFile,
         "szerszámtábla 2. sora nem olvasható: a G1 előtolás nem pozitív egész szám."},
        {"10 MB", kHead + std::string(10 << 20, '#'), BadTable::bytesFile,
         "szerszámtábla nem olvasható: nagyobb, mint 256 kB, így nem szerszámtábla."},
        {"a folder", "", BadTable::folder,
         "szerszámtábla nem olvasható: nem közönséges fájl, hanem mappa, csővezeték vagy eszköz."},
        {"a FIFO", "", BadTable::fifo,
         "szerszámtábla nem olvasható: nem közönséges fájl, hanem mappa, csővezeték vagy eszköz."},
        {"unreadable", "", BadTable::underAFile, "fájl nem olvasható: "},
    };
    for (const BadTable& c : cases) {
        // Windows tells a path under a file from a missing one only as "not found"
        if ((c.kind == BadTable::fifo || c.kind == BadTable::underAFile) && !kPosixFiles) continue;
        SCOPED_TRACE(c.what);
        TempDir dir;
        std::string path = dir.file("szerszámok.txt");
        if (c.kind == BadTable::folder) std::filesystem::create_directory(platform::pathOf(path));
        if (c.kind == BadTable::fifo) {
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        }
        if (c.kind == BadTable::bytesFile) writeFile(path, c.bytes);
        if (c.kind == BadTable::underAFile) {
            writeFile(path, c.bytes);
            path += "/tools.txt";
        }
        ui::RecordingDialogs dialogs;
        ToolBook book(path);
        book.open(dialogs);
        EXPECT_TRUE(book.table().empty());
        ASSERT_EQ(dialogs.messages().size(), 1u);
        const std::string& text = dialogs.messages()[0].text;
        EXPECT_EQ(text.rfind("A(z) „" + path + "” " + c.message, 0), 0u) << text;
        EXPECT_TRUE(text.ends_with(" A program üres szerszámtáblával megy tovább.")) << text;
        if (c.kind == BadTable::bytesFile) {
            EXPECT_EQ(readBytes(path), c.bytes);
        }
    }
}

// Saved from the editor under a comma, read back in a run with dots: the same tools, the file
// with dots; an empty or missing file is a table of no tools.
TEST(ToolTable, RoundTripThroughTheEditor) {
    TempDir dir;
    const std::string path = dir.file("cfg/qorix-wizards/tools.txt");
    ui::RecordingDialogs dialogs;
    ToolBook book(path);
    book.open(dialogs);
    EXPECT_TRUE(book.table().empty());
    int changes = 0;
    book.addListener([&] { ++changes; });

    ToolTableEditor editor(book, ',');
    const char* cells[][tools::kColumns] = {
        {"", "Maró 6 mm", "6", "3", "1,5", "12000", "600", "200", "500"},
        {"12", "Fúró 8,5", "8,5", "", "", "", "", "90", ""}};
    for (const auto& row : cells) {
        const int r = editor.addRow();
        for (int c = 1; c < tools::kColumns; ++c) editor.setCell(r, c, row[c]);
    }
    editor.setCell(1, tools::Column::number, "12");
    EXPECT_TRUE(editor.save(dialogs));
    EXPECT_EQ(changes, 1);
    const std::string expected =
        "qorix-tools 1\n# Szám;Név;Átmérő;Élek;Fogásmélység;Fordulat;G1;Fogásvétel;G2, G3\n"
        "1;Maró 6 mm;6;3;1.5;12000;600;200;500\n12;Fúró 8,5;8.5;;;;;90;\n";
    EXPECT_EQ(readBytes(path), expected);
    EXPECT_EQ(editor.addRow(), 2);  // one above the highest number
    EXPECT_EQ(editor.cell(2, tools::Column::number), "13");

    ToolBook again(path);
    again.open(dialogs);
    EXPECT_TRUE(dialogs.messages().empty());
    ASSERT_EQ(again.table().size(), 2u);
    EXPECT_EQ(again.table()[1].label(','), "T12 Fúró 8,5 (⌀8,5)");
    EXPECT_EQ(ToolTableEditor(again, ',').cell(0, tools::Column::passDepth), "1,5");
    EXPECT_EQ(ToolTableEditor(again, '.').cell(0, tools::Column::passDepth), "1.5");

    // a tool the editor cannot save: the message names it, and the file stays
    ToolTableEditor bad(again, '.');
    bad.setCell(1, tools::Column::number, "1");
    bad.removeRow(0);
    bad.setCell(bad.addRow(), tools::Column::diameter, "-3");
    try {
        bad.save(dialogs);
        ADD_FAILURE() << "saved";
    } catch (const tools::TableError& e) {
        EXPECT_EQ(std::string(e.what()), "A(z) „" + path +
                                             "” szerszámtábla nem menthető, a(z) 2. szerszám "
                                             "hibás: az átmérő nem pozitív szám.");
    }
    EXPECT_EQ(readBytes(path), expected);
    EXPECT_EQ(again.table().size(), 2u);

    writeFile(path, "");
    EXPECT_TRUE(tools::load(path).empty());
}

// A table the start could not read is the user's: the editor's first save over it asks, and
// writes nothing on no; on yes the old bytes are kept beside it and the status says where.
TEST(ToolTable, SavingOverAnUnreadableTableAsksAndKeepsIt) {
    const std::string old = kHead + "1;Maró;6;3;;;;;\n2;Fúró;hat;;;;;;\n";
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "yes" : "no");
        TempDir dir;
        const std::string path = dir.file("tools.txt");
        writeFile(path, old);
        ui::RecordingDialogs dialogs;
        ToolBook book(path);
        book.open(dialogs);
        ToolTableEditor editor(book, ',');
        editor.setCell(editor.addRow(), tools::Column::diameter, "8,5");
        dialogs.answer(yes);
        EXPECT_EQ(editor.save(dialogs), yes);
        ASSERT_EQ(dialogs.questions().size(), 1u);
        EXPECT_EQ(dialogs.questions()[0],
                  (ui::Message{"Szerszámtábla",
                               "A(z) „" + path +
                                   "” szerszámtábla induláskor nem volt olvasható. Felülírja az "
                                   "új táblával? A régi fájl „" +
                                   path + ".bak” néven megmarad."}));
        const std::string table = tools::text({{.cell = {"1", "", "8.5"}}}, path);
        EXPECT_EQ(readBytes(path), yes ? table : old);
        EXPECT_EQ(std::filesystem::exists(platform::pathOf(path + ".bak")), yes);
        if (!yes) continue;
        EXPECT_EQ(readBytes(path + ".bak"), old);
        EXPECT_EQ(savedNotice(book),
                  "Szerszámtábla mentve: " + path + " (a régi fájl megmaradt: " + path + ".bak)");
        // the file is ours now: the next save asks nothing and keeps nothing more
        EXPECT_TRUE(editor.save(dialogs));
        EXPECT_EQ(dialogs.questions().size(), 1u);
        EXPECT_EQ(savedNotice(book), "Szerszámtábla mentve: " + path);
        EXPECT_EQ(readBytes(path + ".bak"), old);
    }
}

// The command line refuses a tool the table lacks, and a table that is not there, with no
// program; its golden programs are under tests/golden (tool.args).
TEST(ToolTable, CommandLineRefusesWhatItCannotTake) {
    TempDir dir;
    const std::string path = dir.file("tools.txt");
    writeFile(path, kHead + "3;a;6;;;;;;\n");
    const std::string missing = dir.file("nincs.txt");
    const std::pair<std::string, std::string> cases[] = {
        {path, "QORIX varázslók: A(z) „" + path + "” szerszámtáblában nincs „4” számú szerszám.\n"},
        {missing, "QORIX varázslók: A(z) „" + missing + "” fájl nem olvasható: "},
    };
    for (const auto& [table, message] : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(runCli({"generate", "slot", "--tools=" + table, "--tool=4"}, out, err, ','), 1);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str().rfind(message, 0), 0u) << err.str();
    }
}

}  // namespace
}  // namespace qorix::test
