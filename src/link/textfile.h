// Every file the program writes or reads goes through here: text in Windows-1250 (a
// character it cannot hold becomes "?"), CR LF after every line, and a whole-file replace
// (temporary file in the same folder, flushed, renamed) so that a failed write never
// leaves a truncated file behind.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wizards/common/errors.h"

namespace qorix::platform {
class ReplacedFile;
}

namespace qorix {

// A file that cannot be created, written or read. The message names the file and the
// system's reason in Hungarian.
class FileError : public Error {
public:
    FileError(const std::string& path, int errorNumber, bool reading = false);
    // A refusal of our own (a device, a read-only file): the reason as given.
    FileError(const std::string& path, const std::string& why, bool reading = false);
    int errorNumber() const { return errno_; }

private:
    int errno_;
};

// An exchange file that is there but is no small regular file (a folder, a pipe, a device,
// or far more than a few lines): a failure of its own, unlike a missing file.
class ExchangeFileError : public Error {
public:
    using Error::Error;
};

namespace textfile {

std::string toCp1250(std::string_view utf8);
std::string fromCp1250(std::string_view bytes);

// Why the text cannot reach QORIX as one line of Windows-1250 (a line end or another control
// character, a byte that is no UTF-8, a character the code page lacks); empty when it can.
std::string cp1250LineProblem(std::string_view utf8);

// The lines, each followed by CR LF, in Windows-1250.
//
// Both writers replace the whole file: a temporary file beside it, flushed, renamed over it.
// A symbolic link is written through to its target; the file keeps its mode (and owner, where
// the system lets us). Refused, each with its message: anything that is not a regular file (a
// folder, a device, a pipe), a read-only file, and a file with more than one name (a hard
// link, which the replace would split).
void writeLines(const std::string& path, const std::vector<std::string>& lines);
// Raw bytes (the one-byte codes "L" and "E"), the file created anew.
void writeBytes(const std::string& path, std::string_view bytes);

// Exchange files are a few short lines: the position three, a path or a command one.
inline constexpr std::size_t kExchangeFileBytes = 8192;

// An exchange file read as QORIX leaves it, never waiting and never without bound: opened
// without blocking (a pipe would wait for a writer for ever), taken only when it is a regular
// file (a symbolic link by its target) of at most kExchangeFileBytes. A missing or unreadable
// file throws FileError; a file of another kind, or a larger one, ExchangeFileError.
struct ExchangeFile {
    std::string bytes;            // as on disk
    std::int64_t modifiedNs = 0;  // its time of last change
};
ExchangeFile readExchangeFile(const std::string& path);

// An exchange file that another program replaces now and then, watched: each new write is
// read once (the same checks as readExchangeFile), and a write already seen is not read again.
class ExchangeWatch {
public:
    explicit ExchangeWatch(const std::string& path);
    ~ExchangeWatch();
    // The write now in place when it is another than the last one seen; nothing when it is
    // the same or there is no file to open. A new write that cannot be read throws once.
    std::optional<ExchangeFile> next();

private:
    std::string path_;
    std::unique_ptr<platform::ReplacedFile> file_;
};
// The lines of an exchange file, split at CR LF, CR or LF, decoded from Windows-1250.
std::vector<std::string> readLines(const std::string& path);
std::vector<std::string> splitLines(const std::string& cp1250);
// The same split of a text already in UTF-8.
std::vector<std::string> splitTextLines(const std::string& text);
// The time of last change of a file; 0 when it cannot be told.
std::int64_t modifiedNs(const std::string& path);

// A file that grows past the process's size limit raises SIGXFSZ, which would end the program
// without a word and leave its temporary file behind. Each program calls this at start: the
// write then fails with "a fájl túl nagy", reported and cleaned up as any failed write.
void ignoreFileSizeSignal();

// The system's reason for an error number, in Hungarian.
std::string reason(int errorNumber);

}  // namespace textfile
}  // namespace qorix
