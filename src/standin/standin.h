// A stand-in for QORIX: it watches the exchange folder as the machine-control program does,
// so that the wizards can be tried without a machine. It answers a position request ("G")
// by writing "GetXYZ.txt", logs a load ("L", with the path from "file.txt") and a command
// ("C", with the line of "command.txt"), and ends on "E".
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

namespace qorix::standin {

struct Options {
    std::string installFolder;
    std::string x = "0.000", y = "0.000", z = "0.000";  // the position it reports
    std::string logPath;                                // empty: standard output
    int pollMs = 20;
};

// The arguments after the program name: INSTALL_FOLDER [--position=X,Y,Z] [--log=FILE].
// Returns an empty text, or what is wrong with them.
std::string parseArguments(int argc, char** argv, Options& options);

// What identifies one write of "adatcsere.txt": every write replaces the file.
struct FileStamp {
    bool exists = false;
    std::uint64_t inode = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t size = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp stampOf(const std::string& path);

class StandIn {
  public:
    StandIn(Options options, std::ostream& log);
    // Polls until the end code; returns the exit status.
    int run();
    // One look at "adatcsere.txt"; returns false once the end code was seen.
    bool poll();

  private:
    void handle(const std::string& bytes);
    std::string firstLine(const std::string& path) const;
    void log(const std::string& line);

    Options options_;
    std::ostream& log_;
    std::string folder_;
    FileStamp last_;
};

}  // namespace qorix::standin
