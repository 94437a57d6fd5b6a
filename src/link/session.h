// What one run of the program knows beyond its pages: whether QORIX is there, where the
// exchange files are, and the machine position last read from QORIX. Every member starts
// zero or empty; the About window shows it and the exchange routines work on it.
#pragma once

#include <string>

namespace qorix {

struct Session {
    bool standalone = false;  // a run without QORIX: programs are only saved

    std::string commandPath, dataPath, filePath, positionPath;  // the four exchange files

    long double xPos = 0, yPos = 0, zPos = 0;  // last machine position read
    std::string xPosText, yPosText, zPosText;  // the same in four-decimal form
};

}  // namespace qorix
