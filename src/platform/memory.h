// Memory the system hands out in larger pieces where it can.
#pragma once

#include <cstddef>

namespace qorix::platform {

// Asks the system to back the memory of [data, data + bytes), not yet touched, with large
// pages: a million moves then cost a few dozen first touches instead of twenty thousand.
// Only advice; where the system has no such pages (or declines), nothing changes.
void preferLargePages(void* data, std::size_t bytes);

}  // namespace qorix::platform
