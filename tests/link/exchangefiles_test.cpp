// Exchange files as a hostile folder may hold them: a pipe, a link to an endless device, a
// huge file. Each is read without waiting and without bound only as a small regular file;
// anything else is a clear message. And a position that was never measured says so.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "link/fileguard.h"
#include "link/positioncapture.h"
#include "link/textfile.h"
#include "platform/files.h"
#include "support/golden.h"
#include "support/posixfiles.h"
#include "support/storeservices.h"
#include "ui/event.h"

namespace qorix::test {
namespace {

namespace fs = std::filesystem;

void putBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The file's time of last change moved back by the seconds given.
void age(const std::string& path, int seconds) {
    const fs::path file = platform::pathOf(path);
    fs::last_write_time(file, fs::last_write_time(file) - std::chrono::seconds(seconds));
}

std::string failureOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no failure)";
}

const std::string kNotRegular = "nem közönséges fájl, hanem mappa, csővezeték vagy eszköz.";

TEST(ExchangeFileRead, APipeOrAnEndlessDeviceIsRefusedWithoutWaiting) {
    QORIX_NEEDS_POSIX_FILES();
    TempDir dir;
    const std::string path = dir.file("GetXYZ.txt");
    // a pipe: opening it once waited for a writer for ever
    ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(failureOf([&] { textfile::readLines(path); }),
              "A(z) „" + path + "” fájl nem olvasható: " + kNotRegular);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    fs::remove(path);
    // an endless device behind a link
    fs::create_symlink("/dev/zero", path);
    EXPECT_THROW(textfile::readLines(path), ExchangeFileError);
}

TEST(ExchangeFileRead, OnlyASmallRegularFileIsRead) {
    TempDir dir;
    const std::string path = dir.file("GetXYZ.txt");
    fs::create_directory(path);
    EXPECT_EQ(failureOf([&] { textfile::readLines(path); }),
              "A(z) „" + path + "” fájl nem olvasható: " + kNotRegular);
    fs::remove(path);
    // 300 MB (sparse: no disk is used) is refused before a byte is read
    putBytes(path, "1\r\n2\r\n3\r\n");
    fs::resize_file(path, 300u << 20);
    EXPECT_EQ(failureOf([&] { textfile::readLines(path); }),
              "A(z) „" + path + "” fájl nem olvasható: nagyobb, mint 8192 bájt.");
    // the bound itself is still read; a link to a regular file is read through
    fs::resize_file(path, textfile::kExchangeFileBytes);
    EXPECT_EQ(textfile::readLines(path).size(), 4u);
    if (kPosixFiles) {
        const std::string link = dir.file("link.txt");
        fs::create_symlink(path, link);
        EXPECT_EQ(textfile::readLines(link).front(), "1");
    }
    // a missing file stays a file failure of its own
    EXPECT_THROW(textfile::readLines(dir.file("nincs.txt")), FileError);
}

class PositionRead : public ::testing::Test, protected StoreServices {
protected:
    TempDir dir;
    PositionCaptureDialog capture{services};
    CapturedPosition captured;  // where the thread page takes an accepted position

    void SetUp() override {
        store.dataPath = dir.file("adatcsere.txt");
        store.positionPath = dir.file("GetXYZ.txt");
        capture.showForCapture(captured);
    }
    bool read() {
        dialogs.clearMessages();
        return ui::runEvent(dialogs, [&] { capture.Button1.click(); });
    }
};

TEST_F(PositionRead, APipeOrADeviceInPlaceOfThePositionIsAMessageNotAFreeze) {
    QORIX_NEEDS_POSIX_FILES();
    ASSERT_EQ(mkfifo(store.positionPath.c_str(), 0644), 0);
    EXPECT_FALSE(read());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              (ui::Message{ui::kFailureCaption, "A(z) „" + store.positionPath +
                                                    "” fájl nem olvasható: " + kNotRegular}));
    EXPECT_TRUE(capture.Memo1.lines().empty());
    EXPECT_FALSE(capture.Button2.enabled());
    fs::remove(store.positionPath);
    fs::create_symlink("/dev/zero", store.positionPath);
    EXPECT_FALSE(read());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text,
              "A(z) „" + store.positionPath + "” fájl nem olvasható: " + kNotRegular);
}

TEST_F(PositionRead, AFreshAnswerIsTakenWithoutAWord) {
    sleeper.answerWith(store.positionPath, "1\r\n2\r\n3\r\n");
    ASSERT_TRUE(read());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(store.positionNote, "");
    EXPECT_EQ(capture.Memo1.lines(), (std::vector<std::string>{"1,0000", "2,0000", "3,0000"}));
}

// The specified zeros stay, but the user learns that nobody measured them.
TEST_F(PositionRead, AMissingPositionFileGivesZerosAndSaysSo) {
    ASSERT_TRUE(read());
    EXPECT_EQ(capture.Memo1.lines(), (std::vector<std::string>{"0,0000", "0,0000", "0,0000"}));
    EXPECT_TRUE(capture.Button2.enabled());
    const std::string note = "A(z) „" + store.positionPath +
                             "” fájl nem olvasható: a mappa vagy a fájl nem létezik. A pozíció "
                             "ezért 0, 0, 0: nem mért érték.";
    EXPECT_EQ(store.positionNote, note);
    EXPECT_EQ(dialogs.messages(), (std::vector<ui::Message>{{"Figyelmeztetés", note}}));
}

// A file left from an earlier request was read as if QORIX had just written it.
TEST_F(PositionRead, AFileOlderThanTheRequestIsReadButNamedOld) {
    putBytes(store.positionPath, "12,5\r\n0\r\n-3\r\n");
    age(store.positionPath, 10);
    ASSERT_TRUE(read());
    EXPECT_EQ(capture.Memo1.lines(), (std::vector<std::string>{"12,5000", "0,0000", "-3,0000"}));
    const std::string note = "A(z) „" + store.positionPath +
                             "” fájl a pozíciókérés előtt készült, a QORIX nem írta újra: a "
                             "pozíció egy korábbi mérésé lehet.";
    EXPECT_EQ(dialogs.messages(), (std::vector<ui::Message>{{"Figyelmeztetés", note}}));
    // the next request is answered: no word
    sleeper.answerWith(store.positionPath, "1\r\n2\r\n3\r\n");
    ASSERT_TRUE(read());
    EXPECT_TRUE(dialogs.messages().empty());
    // without QORIX there is no request, so an old file is not called old
    store.standalone = 1;
    age(store.positionPath, 10);
    ASSERT_TRUE(read());
    EXPECT_TRUE(dialogs.messages().empty());
}

// Writing through what is there: a link to its target, a file's mode kept; what is not a
// regular file with one name that may be written is refused and stays as it was.
class SafeReplace : public ::testing::Test {
protected:
    TempDir dir;
    std::string file(const char* name) const { return dir.file(name); }
    std::string refusal(const std::function<void()>& write) {
        try {
            write();
        } catch (const FileError& e) {
            return e.what();
        }
        return "(no refusal)";
    }
};

TEST_F(SafeReplace, ALinkIsWrittenThroughToItsTarget) {
    QORIX_NEEDS_POSIX_FILES();
    fs::create_directory(file("programs"));
    putBytes(file("programs/job.tap"), "old\r\n");
    fs::create_symlink("programs/job.tap", file("job.tap"));
    textfile::writeLines(file("job.tap"), {"M30"});
    EXPECT_TRUE(fs::is_symlink(file("job.tap")));
    EXPECT_EQ(readBytes(file("programs/job.tap")), "M30\r\n");
    EXPECT_EQ(filesIn(file("programs")), std::vector<std::string>{"job.tap"});
    // a link to a file not there yet makes the target
    fs::create_symlink("programs/new.tap", file("new.tap"));
    textfile::writeBytes(file("new.tap"), "L");
    EXPECT_TRUE(fs::is_symlink(file("new.tap")));
    EXPECT_EQ(readBytes(file("programs/new.tap")), "L");
}

TEST_F(SafeReplace, TheFileKeepsItsMode) {
    QORIX_NEEDS_POSIX_FILES();
    for (unsigned mode : {0600, 0640, 0755}) {
        putBytes(file("job.tap"), "old\r\n");
        setMode(file("job.tap"), mode);
        textfile::writeLines(file("job.tap"), {"M30"});
        EXPECT_EQ(modeOf(file("job.tap")), mode);
        EXPECT_EQ(readBytes(file("job.tap")), "M30\r\n");
    }
}

TEST_F(SafeReplace, WhatIsNoWritableRegularFileWithOneNameIsRefused) {
    const std::string why = "A(z) „" + file("job.tap") + "” fájl nem írható: ";
    // a folder; a pipe, also behind a link
    fs::create_directory(file("job.tap"));
    EXPECT_EQ(refusal([&] { textfile::writeLines(file("job.tap"), {"M30"}); }),
              why + "nem közönséges fájl, hanem mappa, csővezeték vagy eszköz.");
    fs::remove(file("job.tap"));
    if (kPosixFiles) {
        ASSERT_EQ(mkfifo(file("pipe").c_str(), 0644), 0);
        fs::create_symlink("pipe", file("job.tap"));
        EXPECT_EQ(refusal([&] { textfile::writeLines(file("job.tap"), {"M30"}); }),
                  why + "nem közönséges fájl, hanem mappa, csővezeték vagy eszköz.");
        EXPECT_TRUE(fs::is_fifo(file("pipe")));
        EXPECT_TRUE(fs::is_symlink(file("job.tap")));
        fs::remove(file("job.tap"));
    }
    // a read-only file (refused also for root, who could replace it)
    putBytes(file("job.tap"), "old\r\n");
    setMode(file("job.tap"), 0444);
    EXPECT_EQ(refusal([&] { textfile::writeLines(file("job.tap"), {"M30"}); }),
              why + "a fájl csak olvasható.");
    EXPECT_EQ(readBytes(file("job.tap")), "old\r\n");
    setMode(file("job.tap"), 0644);
    // a file with a second name: replacing it would split the two
    fs::create_hard_link(file("job.tap"), file("other.tap"));
    EXPECT_EQ(refusal([&] { textfile::writeBytes(file("job.tap"), "L"); }),
              why + "a fájlnak több neve is van (hard link), és a csere szétválasztaná őket.");
    EXPECT_EQ(readBytes(file("other.tap")), "old\r\n");
    std::vector<std::string> expected{"job.tap", "other.tap"};
    if (kPosixFiles) expected.push_back("pipe");
    EXPECT_EQ(filesIn(dir.path()), expected);
}

}  // namespace
}  // namespace qorix::test
