// The program's own small text files that a user may open in an editor (job files, the tool
// table): UTF-8, a first line naming the format and its version ("qorix-job 1"), then lines
// of keys or columns. Lines end in LF (CR LF is read too); empty lines and lines starting
// with "#" are passed over. Each format keeps its own words and rules; this reads the lines,
// checks the first one and words the refusals alike.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qorix::versioned {

struct Format {
    const char* magic;      // "qorix-tools"
    int version;            // the newest this program reads (and writes)
    std::size_t mostBytes;  // anything larger is no file of this format
    const char* noun;       // "szerszámtábla": the file in messages ("nem szerszámtábla")
    const char* refused;    // "nem olvasható": what befalls a file that is refused
    const char* newer;      // "a szerszámtáblát a program egy újabb változata írta"
    bool emptyRefused;      // a file without a line that says something is refused
    // Throws the format's own error with the message.
    void (*raise)(const std::string& message);
};

// "qorix-tools 1"
std::string header(const Format& format);

// "A(z) „PATH” szerszámtábla 3. sora nem olvasható: WHY."
[[noreturn]] void refuse(const Format& format, const std::string& path, std::size_t line,
                         const std::string& why);
// "A(z) „PATH” szerszámtábla nem olvasható: WHY."
[[noreturn]] void refuseFile(const Format& format, const std::string& path, const std::string& why);

// Whether a line is text: whole UTF-8 characters, no control character but the tab.
bool isText(std::string_view line);

struct Line {
    std::size_t number;  // as an editor numbers it
    std::string_view text;
};

// The lines that say something, the first of them checked as the header (a version from 1 to
// the format's); a line that is no text is refused before anything else is looked at.
std::vector<Line> checkedLines(std::string_view bytes, const Format& format,
                               const std::string& path);

// The file's bytes: a regular file of at most mostBytes, never waiting on a pipe. Nothing
// when there is no file; a file that cannot be read throws FileError.
std::optional<std::string> read(const Format& format, const std::string& path);

}  // namespace qorix::versioned
