// The file calls on Windows: wide paths, the system's own replace.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

#include "platform/files.h"
#include "platform/wide.h"

namespace qorix::platform {

namespace {

std::optional<std::size_t> sizeLimit;

int errnoOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return EACCES;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_FILE_TOO_LARGE:
            return EFBIG;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        case ERROR_CRC:
        case ERROR_READ_FAULT:
        case ERROR_WRITE_FAULT:
            return EIO;
        default:
            return EINVAL;
    }
}

bool isFolder(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// QORIX, a virus scanner or an indexer may hold a file for a moment: such a call is tried
// again for up to about a second before its failure counts.
template <typename Call>
bool retried(Call call) {
    for (int attempt = 0;; ++attempt) {
        if (call()) return true;
        DWORD e = GetLastError();
        bool held =
            e == ERROR_ACCESS_DENIED || e == ERROR_SHARING_VIOLATION || e == ERROR_LOCK_VIOLATION;
        if (!held || attempt == 40) return false;
        Sleep(25);
        SetLastError(e);
    }
}

int writeAll(HANDLE h, std::string_view bytes) {
    std::size_t room = sizeLimit ? *sizeLimit : bytes.size();
    std::size_t left = std::min(bytes.size(), room);
    const char* p = bytes.data();
    while (left > 0) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(h, p, chunk, &written, nullptr)) return errnoOf(GetLastError());
        p += written;
        left -= written;
    }
    return bytes.size() > room ? EFBIG : 0;
}

// A new file beside the target, with a name no other writer uses.
HANDLE createTemporary(const std::wstring& target, std::wstring& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + L".tmp-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(counter++);
        HANDLE h = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return h;
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace

int replaceFile(const std::string& path, std::string_view bytes) {
    const std::wstring target = widen(path);
    if (isFolder(target)) return EISDIR;
    std::wstring tmp;
    HANDLE h = createTemporary(target, tmp);
    if (h == INVALID_HANDLE_VALUE) return errnoOf(GetLastError());
    int err = writeAll(h, bytes);
    if (err == 0 && !FlushFileBuffers(h)) err = errnoOf(GetLastError());
    if (!CloseHandle(h) && err == 0) err = errnoOf(GetLastError());
    if (err == 0 && !retried([&] {
            return MoveFileExW(tmp.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        }))
        err = errnoOf(GetLastError());
    if (err != 0) DeleteFileW(tmp.c_str());
    return err;
}

int readFile(const std::string& path, std::string& bytes) {
    const std::wstring name = widen(path);
    if (isFolder(name)) return EISDIR;
    HANDLE h = INVALID_HANDLE_VALUE;
    if (!retried([&] {
            h = CreateFileW(name.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            return h != INVALID_HANDLE_VALUE;
        }))
        return errnoOf(GetLastError());
    bytes.clear();
    char buf[65536];
    for (DWORD n = 0;; bytes.append(buf, n)) {
        if (!ReadFile(h, buf, sizeof buf, &n, nullptr)) {
            int err = errnoOf(GetLastError());
            CloseHandle(h);
            return err;
        }
        if (n == 0) break;
    }
    CloseHandle(h);
    return 0;
}

int moveFile(const std::string& from, const std::string& to) {
    const std::wstring source = widen(from), target = widen(to);
    if (retried([&] {
            return MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
        }))
        return 0;
    return errnoOf(GetLastError());
}

int removeFile(const std::string& path) {
    const std::wstring name = widen(path);
    return retried([&] { return DeleteFileW(name.c_str()) != 0; }) ? 0 : errnoOf(GetLastError());
}

int makeFolders(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(pathOf(path), error);
    return error ? error.default_error_condition().value() : 0;
}

void ignoreFileSizeSignal() {}
std::FILE* openForReading(const std::string& path) { return _wfopen(widen(path).c_str(), L"rb"); }

void setFileSizeLimitForTests(std::optional<std::size_t> bytes) { sizeLimit = bytes; }

}  // namespace qorix::platform
