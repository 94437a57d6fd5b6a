// How a toolpath is drawn: the colours, line widths and dashes of each kind of move and the
// holes' circles. The SVG writer and the preview window both draw by these; the preview draws
// more (depths, plunges, marks), and its own entries stand in the same table.
#pragma once

namespace qorix::program {

struct Stroke {
    const char* colour;  // "#rrggbb"
    double width;        // pixels
    const char* dash;    // SVG dash pattern in pixels; empty for a solid line
};

struct DrawStyle {
    Stroke rapid{"#d9480f", 0.8, "5 4"};
    Stroke cut{"#1c5fb8", 1.4, ""};
    Stroke hole{"#2b8a3e", 1.2, ""};
    const char* holeFill = "#d3f9d8";
    // A hole whose drill is not known is drawn this wide (mm).
    double unknownDrillDiameter = 1;
    const char* background = "#ffffff";
    const char* scale = "#212529";
    double margin = 24;  // pixels round the drawing

    // The preview's own. Cuts go from the shallow colour at the top of the cuts to the deep
    // one at their lowest point (the picture's single cut colour lies between the two).
    const char* cutShallow = "#74c0fc";
    const char* cutDeep = "#0b3d91";
    Stroke plunge{"#c2255c", 1.6, ""};
    Stroke leftOut{"#adb5bd", 1.2, "3 3"};
    Stroke outline{"#868e96", 1.0, "8 3 2 3"};
    Stroke highlight{"#f59f00", 3.5, ""};
    const char* toolWidth = "#dbe4ff";  // the band a cut takes away, under its path
    const char* dwell = "#e8590c";
    const char* start = "#2f9e44";
    const char* origin = "#495057";
    const char* legendBack = "#f8f9fa";
    // Arcs are cut into chords that stray at most this far from the arc on the screen.
    double chordErrorPixels = 0.25;
};

inline constexpr DrawStyle kDrawStyle{};

}  // namespace qorix::program
