// The thread repair page's parameters and computed values, and what the page and its two
// dialogs hand each other. The page owns one set, so that its value listing, its position
// capture and its centre check all work on it; a reading that fails a check leaves the value
// of the previous reading in place.
#pragma once

#include <cstdint>

#include "wizards/common/record.h"

namespace qorix {

// The common values (centre, start Z, safe offset, depth, tool, step, feeds, flags, the
// error flag) under their usual names, as every page's common checks read them; then the
// thread's own.
struct ThreadRepairValues : CommonRecord {
    // Read from the page's fields (the keys of the page's value listing in brackets): x, y
    // thread centre (_x_, _y_); z the top of the thread (_z_); depth the radial thread depth,
    // absolute (_m_); toolDiameter (_sz_); stepLimit the radial step per pass, or the depth
    // (_szc_); toolNumber (_szsz_), spindleSpeed (_ff_), comments (_msg_), coolant (_h_),
    // ccw (_cw_), spindleCcw (_m34_).
    long double measuredX = 0, measuredY = 0, measuredZ = 0;  // the tool in the groove (_Xpos_)
    long double pitch = 0;                                    // absolute (_md_)
    long double threadLength = 0;                             // downwards, absolute (_ml_)
    long double threadDiameter = 0;                           // (_rd_)
    bool nut = false;                                         // a nut, not a bolt (_cs_)

    // Derived by the page, besides safeZ, passes and passDepth.
    long double threadRadius = 0;      // (_r_)
    long double depthCorrection = 0;   // mm (_dk_)
    long double heightCorrection = 0;  // mm (_hk_)

    // Computed by the centre check (ComputeThreadStart and the check dialog).
    long double dx = 0, dy = 0;  // measured point minus centre
    std::int32_t signDx = 0, signDy = 0;
    long double angle = 0;                // of the measured point, 0 to below 2 pi
    long double depthWithCorrection = 0;  // bolt: depth + correction; nut: the correction
    long double fullDepthRadius = 0;      // tool-centre path at full thread depth
    long double computedX = 0, computedY = 0;
    long double phase = 0;        // angle / 2 pi of a pitch
    long double turns = 0;        // measured height above the top, in pitches
    long double wholeTurns = 0;   // |turns| + 2, rounded
    long double helixStartZ = 0;  // where every pass's circles start descending
    long double startX = 0;       // where every pass begins

    // Where the tool centre should sit in the groove at the measured angle, and the helix
    // start Z that keeps the new cut in the old groove.
    void ComputeThreadStart();
    // The start X of the passes: outside the thread for a bolt, inside the hole for a nut.
    void ComputeStartX();
};

// The machine position that the user accepted in "Bemérés".
struct CapturedPosition {
    bool accepted = false;
    long double x = 0, y = 0, z = 0;
};

// What the page and its dialogs share: the values, the accepted capture, and the answer of
// "Ellenőrzés" (0: none yet, 1: "Adatok rendben", 2: "Újra beállítás"), which the page polls.
struct ThreadHandshake {
    ThreadRepairValues values;
    CapturedPosition capture;
    std::int32_t checkResult = 0;
};

}  // namespace qorix
