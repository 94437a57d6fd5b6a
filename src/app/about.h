// The GNU-style --help and --version texts of the programs.
#pragma once

#include <ostream>
#include <string>

namespace qorix {

// "NAME (QORIX varázslók) VERSION" and the licence lines.
void printVersion(std::ostream& out, const std::string& program);
// Handles a lone --help or --version for a program whose help text is given. Returns true
// when the program should end (with status 0).
bool standardOption(int argc, char** argv, const std::string& program, const std::string& help,
                    std::ostream& out);

}  // namespace qorix
