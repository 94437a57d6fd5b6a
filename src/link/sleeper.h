// The fixed waits of the exchange routines. The programs really wait; tests record the waits
// and go on at once.
#pragma once

#include <vector>

namespace qorix {

class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void sleepMs(int ms) = 0;
};

// Blocks the calling thread for the time asked.
class RealSleeper : public Sleeper {
public:
    void sleepMs(int ms) override;
};

// Returns at once and remembers every wait, in order.
class RecordingSleeper : public Sleeper {
public:
    void sleepMs(int ms) override { waits_.push_back(ms); }
    const std::vector<int>& waits() const { return waits_; }
    void clear() { waits_.clear(); }

private:
    std::vector<int> waits_;
};

// The one real sleeper of the program.
Sleeper& realSleeper();

}  // namespace qorix
