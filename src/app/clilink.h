// The command-line verbs that talk to QORIX through the exchange folder as the diagnostics
// window does:
//   position INSTALL_FOLDER [--standalone] [--decimal-separator=C]
//   mdi INSTALL_FOLDER COMMAND [--standalone] [--decimal-separator=C]
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "link/sleeper.h"

namespace qorix {

// args[0] is the verb. stdout: the three position texts ("position"); stderr: the log box,
// then any failure as "CAPTION: TEXT". Throws UsageError for wrong arguments.
int runLinkVerb(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                char regionalSeparator, Sleeper& sleeper);

}  // namespace qorix
