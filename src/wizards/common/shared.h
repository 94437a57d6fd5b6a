// The values that several windows and pages exchange. One instance lives in the shared
// store (AboutBox) for the whole run; every member starts zero or empty.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "wizards/common/threadvalues.h"

namespace qorix {

struct SharedValues {
    std::int32_t standalone = 0;  // 1: run without QORIX (programs are only saved)

    std::string commandPath, dataPath, filePath, positionPath;  // the four exchange files

    long double xPos = 0, yPos = 0, zPos = 0;  // last machine position read
    std::string xPosText, yPosText, zPosText;  // the same in four-decimal form

    // The bolt-circle hole table, the one the program is written from, entries 0..1000;
    // entry 0 holds rotation, centre X, centre Y; columns 1..5 are [0]..[4]: angle,
    // X offset, Y offset, cosine, sine.
    std::array<std::array<long double, 5>, 1001> u8_an{};
    std::array<std::int32_t, 1001> drillFlags{};  // 1: drilled, 0: left out
    std::int32_t u8_anc = 0;                      // holes in the prepared table; 0: none
    std::int32_t u8_ancl = 0;                     // holes of the last written program

    // The drilling page's values.
    long double u8_x_ = 0, u8_y_ = 0, u8_z_ = 0, u8_r_ = 0, u8_zsb_ = 0, u8_zs_ = 0, u8_sz_ = 0,
                u8_szc_ = 0, u8_rd_ = 0;

    std::int32_t captureAccepted = 0;  // 1 once the user accepted a captured position
    std::int32_t checkFlag = 0;        // result handshake of the thread-centre check

    ThreadRepairValues threadRepair;
};

}  // namespace qorix
