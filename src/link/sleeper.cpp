#include "link/sleeper.h"

#include <chrono>
#include <thread>

namespace qorix {

void RealSleeper::sleepMs(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

Sleeper& realSleeper() {
    static RealSleeper sleeper;
    return sleeper;
}

}  // namespace qorix
