// A stand-in for QORIX: it watches the exchange folder as the machine-control program does,
// so that the wizards can be tried without a machine. It answers a position request ("G")
// by writing "GetXYZ.txt", logs a load ("L", with the path from "file.txt") and a command
// ("C", with the line of "command.txt"), and ends on "E".
//
// Checking, for trials under load: with --verify every program it is told to load is looked
// at as QORIX would load it (whole, ending in its closing line) and the loads are counted;
// with --moving the machine moves, and "GetXYZ.txt" is rewritten at every look.
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "link/textfile.h"

namespace qorix::standin {

struct Options {
    std::string installFolder;
    std::string x = "0.000", y = "0.000", z = "0.000";  // the position it reports
    std::string logPath;                                // empty: standard output
    int pollMs = 20;
    bool verify = false;  // check and count every program it is told to load
    bool moving = false;  // rewrite "GetXYZ.txt" at every look, one step further each time
};

// The arguments after the program name:
// INSTALL_FOLDER [--position=X,Y,Z] [--log=FILE] [--poll=MS] [--verify] [--moving].
// Returns an empty text, or what is wrong with them.
std::string parseArguments(int argc, char** argv, Options& options);

// What is wrong with the load of the program named in "file.txt" (its bytes given), as
// QORIX would find it: an empty text when the program can be loaded.
std::string loadProblem(const std::string& fileTxtBytes);

// The position of the n-th rewrite of a moving machine: X = n.25, Y = -n.5, Z = n.75, so
// that a reader can tell a whole position from one put together from two writes.
struct Position {
    std::string x, y, z;
};
Position movingPosition(std::uint64_t n);

class StandIn {
public:
    StandIn(Options options, std::ostream& log);
    ~StandIn();
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;
    // Polls until the end code; returns the exit status.
    int run();
    // One look at "adatcsere.txt"; returns false once the end code was seen.
    bool poll();

private:
    void handle(const std::string& bytes);
    void load();
    void answerPosition();
    void writePosition(const Position& p);
    std::string firstLine(const std::string& path) const;
    void log(const std::string& line);

    Options options_;
    std::ostream& log_;
    std::string folder_;
    // "adatcsere.txt": each new write of a code is read once
    std::unique_ptr<textfile::ExchangeWatch> codes_;
    std::uint64_t loadsWhole_ = 0, loadsFaulty_ = 0, positionRequests_ = 0;
    std::uint64_t step_ = 0;  // rewrites of a moving machine's position
};

}  // namespace qorix::standin
