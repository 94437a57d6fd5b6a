// Where the exchange files with QORIX live: the install folder (the first command-line
// argument) plus "Wizards" and "Kombinat", joined with the platform's separator, so that on
// Windows a path reads "C:\QORIX\Wizards\Kombinat\file.txt".
#pragma once

#include <string>

namespace qorix {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

struct ExchangePaths {
    std::string folder;                         // install folder + "Wizards" + "Kombinat"
    std::string command, data, file, position;  // command.txt, adatcsere.txt, file.txt, GetXYZ.txt
};

// "C:\QORIX" on Windows; elsewhere "QORIX" in the user's home folder ($HOME), or in the
// working folder when there is no home.
std::string defaultInstallFolder();

// The install folder given on the command line, or the default when it is missing or empty.
std::string installFolderFrom(const std::string& firstArgument);

ExchangePaths exchangePaths(const std::string& installFolder, char separator = kPathSeparator);

}  // namespace qorix
