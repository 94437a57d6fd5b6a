#include <windows.h>
// after windows.h
#include <shellapi.h>

#include "platform/arguments.h"
#include "platform/wide.h"

namespace qorix::platform {

std::vector<std::string> arguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i) args.push_back(narrow(wide[i]));
    LocalFree(wide);
    return args;
}

void useUtf8Console() { SetConsoleOutputCP(CP_UTF8); }

}  // namespace qorix::platform
