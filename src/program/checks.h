// The checks that look at the whole toolpath: rapids that cross the part, cuts below the
// depth the page asked for, and a program without its end.
#pragma once

#include <optional>
#include <vector>

#include "program/messages.h"
#include "program/toolpath.h"

namespace qorix::program {

struct CheckOptions {
    double topZ = 0;
    std::optional<double> depthZ;
};

// Moves that start from an axis not yet known are never judged.
void checkToolpath(const Toolpath& path, const CheckOptions& options,
                   std::vector<Warning>& warnings);

}  // namespace qorix::program
