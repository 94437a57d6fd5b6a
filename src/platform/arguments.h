// The program's command line in UTF-8 (on Windows the narrow argv is in the ANSI code page
// and loses every letter outside it, so the wide command line is read instead), and a
// console that shows the UTF-8 that the programs print.
#pragma once

#include <string>
#include <vector>

namespace qorix::platform {

// All arguments, the program's name first.
std::vector<std::string> arguments(int argc, char** argv);

// On Windows, a console window shows the printed UTF-8 as such; elsewhere nothing to do.
void useUtf8Console();

}  // namespace qorix::platform
