// Test support: the real programs run as child processes in the same way on Linux and on
// Windows (no shell: no quoting, no "2>/dev/null", no "timeout", no "LC_ALL=... cmd").
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qorix::test {

struct ProcessOptions {
    // Variables set for the child (an empty optional removes the variable).
    std::vector<std::pair<std::string, std::optional<std::string>>> environment;
    std::chrono::milliseconds timeLimit = std::chrono::seconds(60);
};

struct ProcessResult {
    bool started = false;
    bool inTime = false;  // it ended by itself before the time limit
    int status = -1;      // its exit status once it ended by itself
    std::string out, err;
};

// Runs the program (args[0], a path) with the arguments, waits for it within the time
// limit (it is stopped after that) and returns what it printed.
ProcessResult runProcess(const std::vector<std::string>& args, const ProcessOptions& options = {});

// The text with every CR LF turned into LF: on Windows a program's standard output is in
// text mode, where each line ends in CR LF.
std::string lfLineEnds(const std::string& text);

// A child that runs beside the test: started with its output sent away, waited for with a
// bound, stopped at the end of the scope if it did not end by itself.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool start(const std::vector<std::string>& args);
    bool running();
    // True once it ended within the time; its exit status then in status().
    bool waitFor(std::chrono::milliseconds time);
    int status() const { return status_; }
    // Processor time it used, once it ended.
    double cpuSeconds() const { return cpuSeconds_; }
    void stop();

private:
    std::intptr_t handle_ = 0;  // the process id, or on Windows its handle
    bool running_ = false;
    int status_ = -1;
    double cpuSeconds_ = 0;
};

}  // namespace qorix::test
