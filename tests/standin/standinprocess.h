// The QORIX stand-in as a real peer process, for tests: started with its log in a file,
// watched through that log, and stopped if it did not end by itself. Every wait is bounded,
// so a stand-in that does not answer fails the test instead of hanging it.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "link/exchange.h"
#include "support/golden.h"
#include "support/process.h"

namespace qorix::test {

using Clock = std::chrono::steady_clock;
inline constexpr auto kPatience = std::chrono::seconds(5);

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class StandInProcess : public ::testing::Test {
protected:
    TempDir dir;
    std::string install = dir.file("QORIX");
    std::string logPath = dir.file("standin.log");
    ChildProcess child;  // stopped at the end of the test if it did not end by itself

    void start(const std::string& position = "--position=12.5,0,-3") { startWith({position}); }
    void startWith(const std::vector<std::string>& options) {
        std::vector<std::string> args{QORIX_STANDIN_PATH, install, "--log=" + logPath};
        args.insert(args.end(), options.begin(), options.end());
        ASSERT_TRUE(child.start(args));
        ASSERT_TRUE(logShows("qorix-standin: ")) << "the stand-in did not start";
    }
    bool logShows(const std::string& text) {
        for (auto end = Clock::now() + kPatience; Clock::now() < end;) {
            if (readFile(logPath).find(text) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    // It ended by itself within the patience; its exit status then in child.status().
    bool ended() {
        return child.waitFor(std::chrono::duration_cast<std::chrono::milliseconds>(kPatience));
    }
    std::string folder() const { return exchange::exchangeFolder(install); }
    std::string inFolder(const char* name) const { return folder() + kPathSeparator + name; }
};

// Follows a growing log: each wait looks only at what was written since the last one.
class LogFollower {
public:
    explicit LogFollower(std::string path) : path_(std::move(path)) {}
    // Waits (bounded) until a new line that `wanted` accepts is written; true if it came,
    // the line itself through `found`. The lines before it are returned through `skipped`.
    bool next(const std::function<bool(const std::string&)>& wanted,
              std::vector<std::string>* skipped = nullptr, std::string* found = nullptr) {
        for (auto end = Clock::now() + kPatience; Clock::now() < end;) {
            for (std::string got; takeLine(got);) {
                if (wanted(got)) {
                    if (found) *found = got;
                    return true;
                }
                if (skipped) skipped->push_back(got);
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return false;
    }
    bool nextLine(const std::string& line, std::vector<std::string>* skipped = nullptr) {
        return next([&](const std::string& got) { return got == line; }, skipped);
    }

private:
    bool takeLine(std::string& line) {
        auto eol = pending_.find('\n');
        if (eol == std::string::npos) {
            std::ifstream in(path_, std::ios::binary);
            in.seekg(static_cast<std::streamoff>(offset_));
            std::ostringstream s;
            s << in.rdbuf();
            offset_ += s.str().size();
            pending_ += s.str();
            eol = pending_.find('\n');
            if (eol == std::string::npos) return false;
        }
        line = pending_.substr(0, eol);
        pending_.erase(0, eol + 1);
        return true;
    }
    std::string path_;
    std::size_t offset_ = 0;
    std::string pending_;
};

}  // namespace qorix::test
