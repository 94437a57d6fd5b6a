// The command-line generator: drives a wizard page as a user would and prints its program.
//   qorix-wizards-cli generate WIZARD [--decimal-separator=C] [--output=FILE] [ARG ...]
//   qorix-wizards-cli describe WIZARD
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qorix {

enum ExitCode { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

// args without the program name; regionalSeparator is used unless --decimal-separator is given.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           char regionalSeparator);

}  // namespace qorix
