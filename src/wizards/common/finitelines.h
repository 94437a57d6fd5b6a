// The last guard before a program reaches the output: every number in it must be one the
// machine can read. A word such as "NAN" or "INF", or digits beyond what a double holds
// (read by the machine as infinite), would move an axis to a place nobody asked for.
#pragma once

#include <string>
#include <vector>

namespace qorix {

// Whether every number in the line is finite ("nan" and "inf" count as numbers, also after
// the address letter of a G-code word, as in "XNAN").
bool lineIsFinite(const std::string& line);

// The first line, from `from` on, that holds a number that is not finite, cut to 120
// characters; empty when every line is sound.
std::string firstNonFiniteLine(const std::vector<std::string>& lines, std::size_t from = 0);

}  // namespace qorix
