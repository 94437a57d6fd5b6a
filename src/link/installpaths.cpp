#include "link/installpaths.h"

#include <cstdlib>

namespace qorix {

std::string defaultInstallFolder() {
#ifdef _WIN32
    return "C:\\QORIX";
#else
    const char* home = std::getenv("HOME");
    if (!home || !*home) return "QORIX";
    std::string folder = home;
    if (folder.back() != kPathSeparator) folder += kPathSeparator;
    return folder + "QORIX";
#endif
}

std::string installFolderFrom(const std::string& firstArgument) {
    return firstArgument.empty() ? defaultInstallFolder() : firstArgument;
}

ExchangePaths exchangePaths(const std::string& installFolder, char separator) {
    ExchangePaths p;
    // a folder given with its closing separator does not get a second one; Windows takes
    // "/" for a separator as well ("C:/QORIX/")
    const bool closed =
        !installFolder.empty() &&
        (installFolder.back() == separator || (separator == '\\' && installFolder.back() == '/'));
    p.folder = installFolder + (closed ? "" : std::string(1, separator)) + "Wizards" + separator +
               "Kombinat";
    auto in = [&](const char* name) { return p.folder + separator + name; };
    p.command = in("command.txt");
    p.data = in("adatcsere.txt");
    p.file = in("file.txt");
    p.position = in("GetXYZ.txt");
    return p;
}

}  // namespace qorix
