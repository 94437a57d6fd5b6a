// The thread repair page's parameters and computed values. They live in the shared store,
// so that the page, its position capture and its centre check all work on one set; a
// reading that fails a check leaves the value of the previous reading in place.
#pragma once

#include <cstdint>

namespace qorix {

struct ThreadRepairValues {
    // Read from the page's fields (the keys of the page's value listing).
    long double x_ = 0, y_ = 0;                   // thread centre
    long double z_ = 0;                           // start Z: the top of the thread
    long double zsb_ = 0;                         // safe offset
    long double Xpos_ = 0, Ypos_ = 0, Zpos_ = 0;  // measured tool position in the groove
    long double m_ = 0;                           // thread depth (radial), absolute
    long double md_ = 0;                          // pitch, absolute
    long double ml_ = 0;                          // thread length downwards, absolute
    long double sz_ = 0;                          // tool diameter
    long double rd_ = 0;                          // thread diameter
    long double szc_ = 0;                         // radial step per pass, or m_
    std::int32_t szsz_ = 0, ff_ = 0, g1_ = 0, g23_ = 0;
    std::int32_t msg_ = 0, h_ = 0, cw_ = 0, m34_ = 0, cs_ = 0;
    std::int32_t error = 0;  // a check of the last reading failed

    // Derived by the page.
    long double zs_ = 0;  // safe Z
    std::int32_t mc_ = 0;
    long double mcm_ = 0;  // pass depth
    long double r_ = 0;    // thread radius
    long double dk_ = 0;   // depth correction, mm
    long double hk_ = 0;   // height correction, mm

    // Computed by the centre check (ComputeThreadStart and the check dialog).
    long double dx = 0, dy = 0;  // measured point minus centre
    std::int32_t signDx = 0, signDy = 0;
    long double angle = 0;                // of the measured point, 0 to below 2 pi
    long double depthWithCorrection = 0;  // bolt: m_ + dk_; nut: dk_
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

}  // namespace qorix
