// The file calls that differ between Linux and Windows, behind one face. Paths are UTF-8
// everywhere; on Windows they go to the wide calls. Every file is read and written as bytes
// (no text mode: no folded CR LF, no Ctrl-Z that ends a read). Failures come back as error
// numbers (errno values, also on Windows), which the callers turn into messages.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qorix::platform {

// Replaces the whole file: the bytes go to a temporary file beside it, are flushed to the
// disk and the temporary file takes the name (on Windows through the system's replace,
// retried for a moment while another program holds the file). Returns 0 or the error
// number; after a failure the earlier file is as it was and no temporary file is left.
int replaceFile(const std::string& path, std::string_view bytes);

// Reads the whole file into bytes; returns 0 or the error number. The file is shared with
// writers and is closed before the call returns.
int readFile(const std::string& path, std::string& bytes);

// Gives the file another name in the same folder, replacing a file of that name (at once:
// a write that comes after it makes a new file). Returns 0 or the error number.
int moveFile(const std::string& from, const std::string& to);
int removeFile(const std::string& path);
// The folder and every missing folder above it; 0 or the error number.
int makeFolders(const std::string& path);

// The file opened for reading bytes with the C library (nullptr when it cannot be).
std::FILE* openForReading(const std::string& path);

// A UTF-8 path for the standard library's file calls (wide on Windows).
inline std::filesystem::path pathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// A file that grows past the process's size limit (POSIX) raises a signal that would end the
// program without a word; ignored, the write fails with EFBIG instead. Nothing on Windows.
void ignoreFileSizeSignal();

// For the tests of a full disk on every system: while set, a replace that would make a
// file longer than this many bytes fails half way with EFBIG, as a file size limit does.
void setFileSizeLimitForTests(std::optional<std::size_t> bytes);

}  // namespace qorix::platform
