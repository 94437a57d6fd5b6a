// The measures of a toolpath: its extent, its lowest point, how far it cuts and rapids, how
// long it runs, and its counts of holes, passes and tool changes.
#pragma once

#include <array>
#include <cstddef>
#include <limits>

#include "program/toolpath.h"

namespace qorix::program {

struct Box {
    std::array<double, 3> min{std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::infinity()};
    std::array<double, 3> max{-std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity()};
    bool empty(int axis) const { return min[axis] > max[axis]; }
    void add(int axis, double v) {
        if (v < min[axis]) min[axis] = v;
        if (v > max[axis]) max[axis] = v;
    }
};

struct MeasureOptions {
    double topZ = 0;          // a pass begins where a cut goes below it
    double rapidRate = 5000;  // mm/min
    double toolChangeSeconds = 10;
};

struct Measures {
    Box bounds;      // every known place the tool passes
    Box feedBounds;  // the places it passes while cutting
    double lowestZ = std::numeric_limits<double>::quiet_NaN();
    double cutLength = 0;    // mm, feeds and arcs
    double rapidLength = 0;  // mm
    double timeSeconds = 0;
    std::size_t holes = 0;
    std::size_t passes = 0;
    std::size_t toolChanges = 0;
    std::size_t moves = 0;
};

Measures measure(const Toolpath& path, const MeasureOptions& options);

// The length of a move from its start; 0 when its start is not wholly known.
double moveLength(const Toolpath& path, std::size_t index);

}  // namespace qorix::program
