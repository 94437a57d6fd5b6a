// The file calls on Windows: wide paths, the system's own replace.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>

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

// A name longer than a folder entry holds (255 UTF-16 units) is said to be so, as POSIX
// says it (Wine reports a missing folder instead).
bool nameTooLong(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return path.size() - (slash == std::wstring::npos ? 0 : slash + 1) > 255;
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
HANDLE createTemporary(const std::wstring& target, DWORD attributes, std::wstring& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + L".tmp-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(counter++);
        HANDLE h = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               attributes ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return h;
    }
    return INVALID_HANDLE_VALUE;
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opened for a look (links followed to the file, a folder too); shared with every writer.
HANDLE openForLook(const std::wstring& name, DWORD access) {
    HANDLE h = INVALID_HANDLE_VALUE;
    retried([&] {
        h = CreateFileW(name.c_str(), access, kShareAll, nullptr, OPEN_EXISTING,
                        FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        return h != INVALID_HANDLE_VALUE;
    });
    return h;
}

// 100 ns steps since 1601 as nanoseconds since 1970.
std::int64_t nanosecondsOf(FILETIME t) {
    const std::int64_t ticks = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    return (ticks - 116444736000000000LL) * 100;
}

FileStamp stampOf(const BY_HANDLE_FILE_INFORMATION& info) {
    return FileStamp{
        true, (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
        nanosecondsOf(info.ftLastWriteTime),
        static_cast<std::int64_t>((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) |
                                  info.nFileSizeLow)};
}

bool isRegular(HANDLE h, const BY_HANDLE_FILE_INFORMATION& info) {
    return GetFileType(h) == FILE_TYPE_DISK && !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The path of the file itself, behind every link.
std::string finalPath(HANDLE h, const std::string& path) {
    std::wstring name(32768, L'\0');
    DWORD n = GetFinalPathNameByHandleW(h, name.data(), static_cast<DWORD>(name.size()),
                                        FILE_NAME_NORMALIZED);
    if (n == 0 || n >= name.size()) return path;
    name.resize(n);
    return narrow(name);
}

// The small file behind an open handle; one byte more than the bound tells a file that grew
// meanwhile.
int readSmall(HANDLE h, std::size_t bound, SmallFile& file) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(h, &info)) return errnoOf(GetLastError());
    file = SmallFile{};
    file.stamp = stampOf(info);
    if (!isRegular(h, info)) {
        file.kind = SmallFile::notRegular;
        return 0;
    }
    if (file.stamp.size > static_cast<std::int64_t>(bound)) {
        file.kind = SmallFile::tooLarge;
        return 0;
    }
    // room for what the file holds now and one byte more; it grows only if the file does
    file.bytes.resize(std::min(static_cast<std::size_t>(file.stamp.size), bound) + 1);
    std::size_t got = 0;
    for (DWORD n = 1; n > 0; got += n) {
        if (got == file.bytes.size()) {
            if (got > bound) break;
            file.bytes.resize(std::min(got * 2, bound + 1));
        }
        if (!ReadFile(h, file.bytes.data() + got, static_cast<DWORD>(file.bytes.size() - got), &n,
                      nullptr))
            return errnoOf(GetLastError());
    }
    file.bytes.resize(got > bound ? 0 : got);
    if (got > bound) file.kind = SmallFile::tooLarge;
    return 0;
}

}  // namespace

int findWriteTarget(const std::string& path, WriteTarget& t) {
    t = WriteTarget{path};
    const std::wstring name = widen(path);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &data)) {
        DWORD e = GetLastError();  // a new file (the write checks the folder)
        return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND ? 0 : errnoOf(e);
    }
    HANDLE h = openForLook(name, FILE_READ_ATTRIBUTES);
    if (h == INVALID_HANDLE_VALUE) return errnoOf(GetLastError());
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(h, &info)) {
        int err = errnoOf(GetLastError());
        CloseHandle(h);
        return err;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) t.path = finalPath(h, path);
    t.exists = true;
    t.regular = isRegular(h, info);
    t.readOnly = info.dwFileAttributes & FILE_ATTRIBUTE_READONLY;
    t.manyNames = info.nNumberOfLinks > 1;
    t.mode = info.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
    CloseHandle(h);
    return 0;
}

int replaceFile(const WriteTarget& target, std::string_view bytes) {
    const std::wstring name = widen(target.path);
    if (isFolder(name)) return EISDIR;
    if (nameTooLong(name)) return ENAMETOOLONG;
    std::wstring tmp;
    HANDLE h = createTemporary(name, target.exists ? target.mode : 0, tmp);
    if (h == INVALID_HANDLE_VALUE) return errnoOf(GetLastError());
    int err = writeAll(h, bytes);
    if (err == 0 && !FlushFileBuffers(h)) err = errnoOf(GetLastError());
    if (!CloseHandle(h) && err == 0) err = errnoOf(GetLastError());
    if (err == 0 && !retried([&] {
            return MoveFileExW(tmp.c_str(), name.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        }))
        err = errnoOf(GetLastError());
    if (err != 0) DeleteFileW(tmp.c_str());
    return err;
}

int replaceFile(const std::string& path, std::string_view bytes) {
    return replaceFile(WriteTarget{path}, bytes);
}

FileStamp stampOf(const std::string& path) {
    HANDLE h = openForLook(widen(path), FILE_READ_ATTRIBUTES);
    if (h == INVALID_HANDLE_VALUE) return {};
    BY_HANDLE_FILE_INFORMATION info;
    FileStamp stamp = GetFileInformationByHandle(h, &info) ? stampOf(info) : FileStamp{};
    CloseHandle(h);
    return stamp;
}

int readSmallFile(const std::string& path, std::size_t bound, SmallFile& file) {
    HANDLE h = openForLook(widen(path), GENERIC_READ);
    if (h == INVALID_HANDLE_VALUE) return errnoOf(GetLastError());
    int err = readSmall(h, bound, file);
    CloseHandle(h);
    return err;
}

ReplacedFile::ReplacedFile(std::string path, std::size_t bound)
    : path_(std::move(path)), bound_(bound) {}

ReplacedFile::~ReplacedFile() = default;

// Nothing stays open between looks: QORIX could not replace a file held open.
bool ReplacedFile::look(SmallFile& file, int& error) {
    HANDLE h = openForLook(widen(path_), GENERIC_READ);
    if (h == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info;
    FileStamp now = GetFileInformationByHandle(h, &info) ? stampOf(info) : FileStamp{};
    if (now == last_) {
        CloseHandle(h);
        return false;
    }
    last_ = now;
    error = readSmall(h, bound_, file);
    CloseHandle(h);
    return true;
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
    LARGE_INTEGER size;
    if (GetFileSizeEx(h, &size) && size.QuadPart < kReserveAtMost)
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
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

std::string configFolder() {
    const wchar_t* roaming = _wgetenv(L"APPDATA");
    return roaming && *roaming ? narrow(roaming) : std::string();
}

}  // namespace qorix::platform
