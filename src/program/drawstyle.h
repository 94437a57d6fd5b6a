// How a toolpath is drawn: the colours, line widths and dashes of each kind of move and the
// holes' circles. The SVG writer and the preview window both draw by these.
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
};

inline constexpr DrawStyle kDrawStyle{};

}  // namespace qorix::program
