// The exchange folder shared with QORIX: its file names, the paths kept in the store, and
// the main window's direct writes (the one-byte load and end codes and "file.txt"). The
// store's own routines (WriteAdatFile, WriteCommanFile, ReadGetXYZ) are in aboutbox.h.
#pragma once

#include <string>

#include "link/installpaths.h"
#include "link/session.h"

namespace qorix::exchange {

inline constexpr const char* kCommandFile = "command.txt";
inline constexpr const char* kDataFile = "adatcsere.txt";
inline constexpr const char* kFileFile = "file.txt";
inline constexpr const char* kPositionFile = "GetXYZ.txt";

// install folder + "Wizards" + "Kombinat"; an empty install folder means the default one
// (the same rule as the desktop program's, see installpaths.h).
std::string exchangeFolder(const std::string& installFolder);
// What the main window does at start-up: the four exchange paths into the store.
void storeExchangePaths(Session& session, const std::string& installFolder);

// The load code: the single byte "L" in "adatcsere.txt", no line end.
void writeLoadCode(const Session& session);
// The end code: the single byte "E" in "adatcsere.txt", no line end.
void writeEndCode(const Session& session);
// "file.txt": the full path of the program just saved, as one line.
void writeProgramPath(const Session& session, const std::string& programPath);

}  // namespace qorix::exchange
