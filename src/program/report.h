// A read program told in words: its measures and warnings in Hungarian for people, and the
// same as one JSON object for scripts.
#pragma once

#include <string>

#include "program/reader.h"

namespace qorix::program {

// Numbers with the run's separator.
std::string reportText(const ReadResult& result, char separator);
// {"bounds", "feed_bounds", "lowest_z", "cut_length", "rapid_length", "time_s", "holes",
//  "passes", "tool_changes", "moves", "decimal_separator", "peck_back_off",
//  "warnings": [{"line", "text"}]}; unknown values are null.
// With moveList, "move_list": [{"line", "kind": "rapid"|"feed"|"arc", "end": [x, y, z]}] too,
// an arc's with "centre": [x, y] and "direction": "cw"|"ccw".
std::string reportJson(const ReadResult& result, bool moveList = false);

}  // namespace qorix::program
