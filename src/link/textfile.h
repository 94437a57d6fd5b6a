// Every file the program writes or reads goes through here: text in Windows-1250 (a
// character it cannot hold becomes "?"), CR LF after every line, and a whole-file replace
// (temporary file in the same folder, flushed, renamed) so that a failed write never
// leaves a truncated file behind.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "wizards/common/errors.h"

namespace qorix {

// A file that cannot be created, written or read. The message names the file and the
// system's reason in Hungarian.
class FileError : public Error {
public:
    FileError(const std::string& path, int errorNumber, bool reading = false);
    int errorNumber() const { return errno_; }

private:
    int errno_;
};

namespace textfile {

std::string toCp1250(std::string_view utf8);
std::string fromCp1250(std::string_view bytes);

// The lines, each followed by CR LF, in Windows-1250.
void writeLines(const std::string& path, const std::vector<std::string>& lines);
// Raw bytes (the one-byte codes "L" and "E"), the file created anew.
void writeBytes(const std::string& path, std::string_view bytes);
// Lines split at CR LF, CR or LF, decoded from Windows-1250.
std::vector<std::string> readLines(const std::string& path);

// A file that grows past the process's size limit raises SIGXFSZ, which would end the program
// without a word and leave its temporary file behind. Each program calls this at start: the
// write then fails with "a fájl túl nagy", reported and cleaned up as any failed write.
void ignoreFileSizeSignal();

// The system's reason for an error number, in Hungarian.
std::string reason(int errorNumber);

}  // namespace textfile
}  // namespace qorix
