#include <sys/mman.h>

#include <cstdint>

#include "platform/memory.h"

namespace qorix::platform {

void preferLargePages(void* data, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
    // the advice takes whole pages of 2 MiB: the part of the range that holds them
    constexpr std::uintptr_t kLarge = std::uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kLarge - 1) & ~(kLarge - 1);
    const std::uintptr_t last = (begin + bytes) & ~(kLarge - 1);
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

}  // namespace qorix::platform
