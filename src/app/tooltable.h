// The tool table: the tools of the workshop, one table for the whole program, from which a
// page takes its tool fields. A small UTF-8 text, one tool a line, the columns separated by
// ";" and numbers written with a dot whatever the run's separator:
//
//   qorix-tools 1
//   # szám;név;átmérő;élek;fogásmélység;fordulat;G1;fogásvétel;G2-G3
//   1;Maró 6 mm;6;3;1.5;12000;600;200;500
//
// The number (a whole number from 1) and the diameter (above 0) are always there; the other
// columns may be empty, and a page then keeps what its field holds. Empty lines and lines
// starting with "#" are passed over; lines end in LF (CR LF is read too).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "wizards/common/errors.h"

namespace qorix::tools {

inline constexpr int kVersion = 1;
inline constexpr const char* kMagic = "qorix-tools";
inline constexpr const char* kFileName = "tools.txt";
// A workshop's tools are a few hundred short lines at most.
inline constexpr std::size_t kMostBytes = 256 * 1024;

enum Column {
    number,
    name,
    diameter,
    flutes,
    passDepth,
    speed,
    feedG1,
    feedPlunge,
    feedArcs,
    kColumns
};

// The columns' headings, as the editor shows them.
const std::array<const char*, kColumns>& headings();

struct Tool {
    std::array<std::string, kColumns> cell;  // numbers with a dot, as in the file
    int toolNumber() const;
    // "T3 Maró 6 mm (⌀6)", as a page's choice lists it; numbers in the run's separator.
    std::string label(char separator) const;
};
using Table = std::vector<Tool>;

// A table that cannot be read or saved; the message names the file and, where one is at
// fault, the line.
class TableError : public Error {
public:
    using Error::Error;
};

// Why the cells make no tool ("az átmérő nem pozitív szám"), empty when they do.
std::string problemOf(const Tool& tool);

// The file's text; throws TableError for a tool whose cells make none (line numbers as the
// text will number them).
std::string text(const Table& table, const std::string& path);
// Every line checked; `path` only names the file in messages.
Table parse(std::string_view bytes, const std::string& path);
// A missing file is an empty table; anything else that is no table of ours throws TableError
// (or FileError when it cannot be read), and the file stays as it is.
Table load(const std::string& path);
// Written through the program's whole-file replace; the folder is made when missing.
void save(const std::string& path, const Table& table);

// Where the program keeps its table: "tools.txt" in its configuration folder (empty when the
// system names none).
std::string defaultPath();

}  // namespace qorix::tools
