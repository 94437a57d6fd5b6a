// QORIX answering a position request as it does: "GetXYZ.txt" written during the wait for it,
// after the request. Every wait is only recorded, as by RecordingSleeper.
#pragma once

#include <fstream>
#include <string>

#include "link/sleeper.h"

namespace qorix::test {

class AnsweringSleeper : public RecordingSleeper {
public:
    // The next wait for the position writes these bytes to the path.
    void answerWith(std::string path, std::string bytes) {
        path_ = std::move(path);
        bytes_ = std::move(bytes);
    }
    void sleepMs(int ms) override {
        RecordingSleeper::sleepMs(ms);
        if (ms != kPositionWaitMs || path_.empty()) return;
        std::ofstream(path_, std::ios::binary) << bytes_;
        path_.clear();
    }

private:
    static constexpr int kPositionWaitMs = 600;
    std::string path_, bytes_;
};

}  // namespace qorix::test
