// What the preview window draws beyond the shared drawing rules (drawstyle.h): the depth
// colours of the cuts, the plunges, the holes left out, the marks and the highlighted moves.
#pragma once

#include "program/drawstyle.h"

namespace qorix::program {

struct PreviewStyle {
    // Cuts go from the shallow colour at the top to the deep one at the lowest point.
    const char* cutShallow = "#74c0fc";
    const char* cutDeep = "#0b3d91";
    Stroke plunge{"#c2255c", 1.6, ""};
    Stroke leftOut{"#adb5bd", 1.2, "3 3"};
    Stroke outline{"#868e96", 1.0, "8 3 2 3"};
    Stroke highlight{"#f59f00", 3.5, ""};
    const char* dwell = "#e8590c";
    const char* start = "#2f9e44";
    const char* origin = "#495057";
    const char* legendBack = "#f8f9fa";
    // Arcs are cut into chords that stray at most this far from the arc on the screen.
    double chordErrorPixels = 0.25;
};

inline constexpr PreviewStyle kPreviewStyle{};

}  // namespace qorix::program
