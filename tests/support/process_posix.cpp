#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <thread>

#include "support/golden.h"
#include "support/process.h"

extern char** environ;

namespace qorix::test {

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> environmentFor(const ProcessOptions& options) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        std::string name = entry.substr(0, entry.find('='));
        bool changed = false;
        for (const auto& [n, v] : options.environment) changed |= n == name;
        if (!changed) env.push_back(entry);
    }
    for (const auto& [n, v] : options.environment)
        if (v) env.push_back(n + "=" + *v);
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> p;
    for (auto& t : texts) p.push_back(t.data());
    p.push_back(nullptr);
    return p;
}

// Starts the program with its output in the two files (nothing: thrown away); 0 on failure.
pid_t spawn(std::vector<std::string> args, std::vector<std::string> env, const std::string& out,
            const std::string& err) {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, out.empty() ? "/dev/null" : out.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, err.empty() ? "/dev/null" : err.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    auto argv = pointers(args);
    auto envp = pointers(env);
    int failed = posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&files);
    return failed ? 0 : pid;
}

}  // namespace

ProcessResult runProcess(const std::vector<std::string>& args, const ProcessOptions& options) {
    ProcessResult r;
    TempDir dir;
    pid_t pid = spawn(args, environmentFor(options), dir.file("out"), dir.file("err"));
    if (pid == 0) return r;
    r.started = true;
    int status = 0;
    for (auto end = Clock::now() + options.timeLimit;;) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            r.inTime = WIFEXITED(status);
            r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            break;
        }
        if (Clock::now() > end) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    r.out = readBytes(dir.path() / "out");
    r.err = readBytes(dir.path() / "err");
    return r;
}

std::string lfLineEnds(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] != '\r' || i + 1 >= text.size() || text[i + 1] != '\n') out += text[i];
    return out;
}

ChildProcess::~ChildProcess() { stop(); }

bool ChildProcess::start(const std::vector<std::string>& args) {
    handle_ = spawn(args, environmentFor({}), "", "");
    running_ = handle_ != 0;
    return running_;
}

bool ChildProcess::running() {
    if (running_) waitFor(std::chrono::milliseconds(0));
    return running_;
}

bool ChildProcess::waitFor(std::chrono::milliseconds time) {
    for (auto end = Clock::now() + time; running_;) {
        int status = 0;
        rusage usage{};
        if (wait4(static_cast<pid_t>(handle_), &status, WNOHANG, &usage) == handle_) {
            running_ = false;
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            cpuSeconds_ = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                          (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
            return true;
        }
        if (Clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return handle_ != 0;
}

void ChildProcess::stop() {
    if (!running_) return;
    kill(static_cast<pid_t>(handle_), SIGKILL);
    waitpid(static_cast<pid_t>(handle_), nullptr, 0);
    running_ = false;
}

}  // namespace qorix::test
