// The file calls that differ between Linux and Windows, behind one face. Paths are UTF-8
// everywhere; on Windows they go to the wide calls. Every file is read and written as bytes
// (no text mode: no folded CR LF, no Ctrl-Z that ends a read). Failures come back as error
// numbers (errno values, also on Windows), which the callers turn into messages.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qorix::platform {

// What a write of a path finds there, symbolic links followed to the file itself.
struct WriteTarget {
    std::string path;        // the file itself; the path given when nothing is there
    bool exists = false;     // when not, the replace makes a new file
    bool regular = false;    // a regular file, not a folder, a pipe or a device
    bool readOnly = false;   // marked read-only (refused even where we could replace it)
    bool manyNames = false;  // more than one hard link, which a replace would split
    unsigned mode = 0, owner = 0, group = 0;  // POSIX: what the replacement keeps
};
// Returns 0 or the error number (ELOOP for links that go round).
int findWriteTarget(const std::string& path, WriteTarget& target);

// Replaces the whole file: the bytes go to a temporary file beside it, are flushed to the
// disk and the temporary file takes the name (on Windows through the system's replace,
// retried for a moment while another program holds the file). A file that was there keeps
// its mode and, where the system lets us, its owner. Returns 0 or the error number; after a
// failure the earlier file is as it was and no temporary file is left.
int replaceFile(const WriteTarget& target, std::string_view bytes);
// The same for a path taken as it is (no link followed, a new file's mode).
int replaceFile(const std::string& path, std::string_view bytes);

// What tells one write of a file from the next: every write replaces the whole file, so a
// new write is a new file (inode or file index), and has its own time of change and size.
struct FileStamp {
    bool exists = false;
    std::uint64_t identity = 0;
    std::int64_t modifiedNs = 0;  // nanoseconds since 1970 (100 ns steps on Windows)
    std::int64_t size = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp stampOf(const std::string& path);

// A small file read as another program leaves it, never waiting and never without bound:
// opened without blocking (a pipe would wait for a writer for ever), taken only when it is a
// regular file (a link by its target) of at most `bound` bytes; shared with writers and
// closed before the call returns.
struct SmallFile {
    enum Kind { regular, notRegular, tooLarge } kind = regular;
    std::string bytes;
    FileStamp stamp;
};
int readSmallFile(const std::string& path, std::size_t bound, SmallFile& file);

// A small file that another program replaces now and then, looked at again and again; each
// look reads it only when another write than the last one seen is in place. On POSIX the
// last write stays open, so that no later write can be given its inode (two writes within one
// tick of the file clock are still told apart); Windows gives every replaced file a new index
// and keeps 100 ns times, and a file held open there could not be replaced.
class ReplacedFile {
public:
    ReplacedFile(std::string path, std::size_t bound);
    ~ReplacedFile();
    ReplacedFile(const ReplacedFile&) = delete;
    ReplacedFile& operator=(const ReplacedFile&) = delete;
    // False when nothing new is there (or nothing at all); true with the new write in `file`
    // and `error` 0 or the error number of its read.
    bool look(SmallFile& file, int& error);

private:
    std::string path_;
    std::size_t bound_;
    FileStamp last_;
    int held_ = -1;  // POSIX only
};

// Reads the whole file into bytes; returns 0 or the error number. The file is shared with
// writers and is closed before the call returns.
int readFile(const std::string& path, std::string& bytes);
// readFile makes room for a file's size in one go up to this; a larger one grows as read.
inline constexpr long long kReserveAtMost = 256LL << 20;

// Gives the file another name in the same folder, replacing a file of that name (at once:
// a write that comes after it makes a new file). Returns 0 or the error number.
int moveFile(const std::string& from, const std::string& to);
int removeFile(const std::string& path);
// The folder and every missing folder above it; 0 or the error number.
int makeFolders(const std::string& path);

// The user's configuration folder, where the program keeps what it remembers between runs:
// $XDG_CONFIG_HOME (an absolute path), else ~/.config on Linux; the roaming application data
// folder (%APPDATA%) on Windows. Empty when the system names none.
std::string configFolder();

// The file opened for reading bytes with the C library (nullptr when it cannot be).
std::FILE* openForReading(const std::string& path);

// A path as the system writes it, for what the user reads and what QORIX reads (file.txt):
// Windows takes "/" in a path too, but writes and expects "\", so there every "/" becomes
// "\"; elsewhere the path is kept as it is.
inline std::string nativePath(std::string path) {
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');
#endif
    return path;
}

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
