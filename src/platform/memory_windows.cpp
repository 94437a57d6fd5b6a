#include "platform/memory.h"

namespace qorix::platform {

// Large pages on Windows need a privilege that a user's program does not hold.
void preferLargePages(void*, std::size_t) {}

}  // namespace qorix::platform
