#include <windows.h>

#include <cwctype>

#include "platform/wide.h"
#include "support/golden.h"
#include "support/process.h"

namespace qorix::test {

namespace {

using platform::widen;

// One argument as the programs' start-up code splits the command line again.
std::wstring quoted(const std::wstring& a) {
    if (!a.empty() && a.find_first_of(L" \t\n\v\"") == std::wstring::npos) return a;
    std::wstring out = L"\"";
    for (auto it = a.begin();; ++it) {
        std::size_t slashes = 0;
        for (; it != a.end() && *it == L'\\'; ++it) ++slashes;
        if (it == a.end()) {
            out.append(slashes * 2, L'\\');
            break;
        }
        out.append(*it == L'"' ? slashes * 2 + 1 : slashes, L'\\');
        out.push_back(*it);
    }
    return out + L"\"";
}

bool sameName(std::wstring a, std::wstring b) {
    for (auto* s : {&a, &b})
        for (auto& c : *s) c = static_cast<wchar_t>(std::towupper(c));
    return a == b;
}

// The test's own environment with the options' changes, as a block for CreateProcessW.
std::wstring environmentFor(const ProcessOptions& options) {
    std::wstring block;
    wchar_t* all = GetEnvironmentStringsW();
    for (const wchar_t* e = all; *e; e += wcslen(e) + 1) {
        std::wstring entry = e;
        std::wstring name = entry.substr(0, entry.find(L'=', 1));
        bool changed = false;
        for (const auto& [n, v] : options.environment) changed |= sameName(widen(n), name);
        if (!changed) block += entry + L'\0';
    }
    FreeEnvironmentStringsW(all);
    for (const auto& [n, v] : options.environment)
        if (v) block += widen(n) + L"=" + widen(*v) + L'\0';
    return block + L'\0';
}

HANDLE inheritable(const std::wstring& name, DWORD access, DWORD creation) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    return CreateFileW(name.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, creation,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Starts the program with its output in the two files (empty: thrown away).
HANDLE spawn(const std::vector<std::string>& args, const ProcessOptions& options,
             const std::string& out, const std::string& err) {
    std::wstring line;
    for (const auto& a : args) line += (line.empty() ? L"" : L" ") + quoted(widen(a));
    std::wstring env = environmentFor(options);
    HANDLE in = inheritable(L"NUL", GENERIC_READ, OPEN_EXISTING);
    HANDLE o = inheritable(out.empty() ? L"NUL" : widen(out), GENERIC_WRITE, CREATE_ALWAYS);
    HANDLE e = inheritable(err.empty() ? L"NUL" : widen(err), GENERIC_WRITE, CREATE_ALWAYS);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in;
    si.hStdOutput = o;
    si.hStdError = e;
    PROCESS_INFORMATION pi{};
    BOOL ok = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE,
                             CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW, env.data(), nullptr,
                             &si, &pi);
    for (HANDLE h : {in, o, e}) CloseHandle(h);
    if (!ok) return nullptr;
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

double cpuOf(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return 0;
    auto seconds = [](FILETIME t) {
        return ((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

}  // namespace

ProcessResult runProcess(const std::vector<std::string>& args, const ProcessOptions& options) {
    ProcessResult r;
    TempDir dir;
    HANDLE p = spawn(args, options, dir.file("out"), dir.file("err"));
    if (!p) return r;
    r.started = true;
    if (WaitForSingleObject(p, static_cast<DWORD>(options.timeLimit.count())) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(p, &code);
        r.inTime = true;
        r.status = static_cast<int>(code);
    } else {
        TerminateProcess(p, 1);
        WaitForSingleObject(p, INFINITE);
    }
    CloseHandle(p);
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
    handle_ = reinterpret_cast<std::intptr_t>(spawn(args, {}, "", ""));
    running_ = handle_ != 0;
    return running_;
}

bool ChildProcess::running() {
    if (running_) waitFor(std::chrono::milliseconds(0));
    return running_;
}

bool ChildProcess::waitFor(std::chrono::milliseconds time) {
    if (!running_) return handle_ != 0;
    HANDLE p = reinterpret_cast<HANDLE>(handle_);
    if (WaitForSingleObject(p, static_cast<DWORD>(time.count())) != WAIT_OBJECT_0) return false;
    DWORD code = 0;
    GetExitCodeProcess(p, &code);
    status_ = static_cast<int>(code);
    cpuSeconds_ = cpuOf(p);
    running_ = false;
    return true;
}

void ChildProcess::stop() {
    if (handle_ == 0) return;
    HANDLE p = reinterpret_cast<HANDLE>(handle_);
    if (running_) {
        TerminateProcess(p, 1);
        WaitForSingleObject(p, INFINITE);
        running_ = false;
    }
    CloseHandle(p);
    handle_ = 0;
}

}  // namespace qorix::test
