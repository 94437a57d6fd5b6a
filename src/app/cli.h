// The command-line generator: drives a wizard page as a user would and prints its program.
//   qorix-wizards-cli generate WIZARD [--decimal-separator=C] [--output=FILE] [ARG ...]
//   qorix-wizards-cli describe WIZARD
//   qorix-wizards-cli position INSTALL_FOLDER [--standalone] [--decimal-separator=C]
//   qorix-wizards-cli mdi INSTALL_FOLDER COMMAND [--standalone] [--decimal-separator=C]
#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

#include "link/sleeper.h"

namespace qorix {

enum ExitCode { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

// Wrong arguments: reported with the usage text and exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The value of --decimal-separator=C: a comma or a dot, anything else is a usage error.
char separatorOption(const std::string& arg);

// args without the program name; regionalSeparator is used unless --decimal-separator is given.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           char regionalSeparator);
// The same with the waits of the exchange routines going through the sleeper.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           char regionalSeparator, Sleeper& sleeper);

}  // namespace qorix
