// SPDX-License-Identifier: GPL-3.0-or-later
// The file layer's system calls on Windows, with the promises of the POSIX
// file: files are opened sharing read, write and delete (so that a rename
// over an open file works as on POSIX), names cross the system boundary as
// UTF-16 with the \\?\ prefix (paths beyond 260 characters), the
// read-only attribute stands for the write-permission bits, and a file
// another program holds without sharing gives "File in use".
#include "SystemCalls.h"

#include "FileFaults.h"
#include "IoError.h"
#include "PathText.h"
#include "ScratchFiles.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <random>
#include <string>

#include <cstdio>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>

namespace common::sys {

namespace fs = std::filesystem;

namespace {

int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_CURRENT_DIRECTORY:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
        return EINVAL;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    default:
        return EIO;
    }
}

[[noreturn]] void fail(int err, const fs::path& shown)
{
    throw IoError::fromErrno(err == 0 ? EIO : err, shown);
}

[[noreturn]] void failLast(const fs::path& shown)
{
    fail(errnoOf(GetLastError()), shown);
}

void passSeam(FileOp op, const fs::path& shown)
{
    if (const int err = FileFaults::check(op))
        fail(err, shown);
}

// The name as the system wants it: absolute, backslashes, and the prefix
// that lifts the 260-character limit.
std::wstring native(const fs::path& path)
{
    std::error_code ec;
    fs::path full = fs::absolute(path, ec);
    if (ec)
        full = path;
    // The prefix turns off the system's own handling of "." and "..", which
    // is lexical on Windows: done here the same way.
    std::wstring text = full.lexically_normal().make_preferred().wstring();
    if (text.rfind(L"\\\\?\\", 0) == 0)
        return text;
    if (text.rfind(L"\\\\", 0) == 0)
        return L"\\\\?\\UNC\\" + text.substr(2);
    return L"\\\\?\\" + text;
}

OVERLAPPED atPosition(std::uint64_t where)
{
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(where);
    at.OffsetHigh = static_cast<DWORD>(where >> 32);
    return at;
}

HANDLE handleOf(int fd)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

int openHandle(const fs::path& path, DWORD access, DWORD disposition, DWORD flags, const fs::path& shown)
{
    const HANDLE h = CreateFileW(native(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, disposition, flags, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        failLast(shown);
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), 0);
    if (fd < 0) {
        CloseHandle(h);
        fail(EMFILE, shown);
    }
    return fd;
}

} // namespace

int writeAllAt(int fd, std::uint64_t pos, std::span<const std::uint8_t> data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        OVERLAPPED at = atPosition(pos + done);
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
        DWORD n = 0;
        if (!WriteFile(handleOf(fd), data.data() + done, chunk, &n, &at))
            return errnoOf(GetLastError());
        if (n == 0)
            return EIO;
        done += n;
    }
    return 0;
}

namespace {

double secondsSince(const LARGE_INTEGER& time)
{
    // FILETIME counts 100 ns steps from 1601.
    const double since1601 = static_cast<double>(time.QuadPart) * 1e-7;
    const double unix = since1601 - 11644473600.0;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double>(now).count() - unix;
}

FileInfo fromHandle(HANDLE h)
{
    BY_HANDLE_FILE_INFORMATION about{};
    if (!GetFileInformationByHandle(h, &about))
        return {};
    FileInfo i;
    i.exists = true;
    i.directory = (about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    i.regular = !i.directory && GetFileType(h) == FILE_TYPE_DISK;
    i.size = (static_cast<std::uint64_t>(about.nFileSizeHigh) << 32) | about.nFileSizeLow;
    i.mode = (about.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? 0444u : 0666u;
    if (i.directory)
        i.mode |= 0111u;
    i.links = about.nNumberOfLinks;
    i.device = about.dwVolumeSerialNumber;
    i.inode = (static_cast<std::uint64_t>(about.nFileIndexHigh) << 32) | about.nFileIndexLow;
    FILE_BASIC_INFO basic{};
    if (GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof basic))
        i.changedSecondsAgo = secondsSince(basic.ChangeTime);
    return i;
}

void setReadOnly(HANDLE h, unsigned mode, const fs::path& shown)
{
    FILE_BASIC_INFO basic{};
    if (!GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof basic))
        failLast(shown);
    DWORD attributes = basic.FileAttributes;
    if (mode & 0200u)
        attributes &= ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    else
        attributes |= FILE_ATTRIBUTE_READONLY;
    if (attributes == 0)
        attributes = FILE_ATTRIBUTE_NORMAL;
    basic.FileAttributes = attributes;
    if (!SetFileInformationByHandle(h, FileBasicInfo, &basic, sizeof basic))
        failLast(shown);
}

std::vector<std::uint8_t> readToEnd(HANDLE h, std::uint64_t sizeHint, const fs::path& shown)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(sizeHint));
    std::uint8_t chunk[65536];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(h, chunk, sizeof chunk, &n, nullptr)) {
            if (GetLastError() == ERROR_BROKEN_PIPE)
                return bytes;
            failLast(shown);
        }
        if (n == 0)
            return bytes;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
}

} // namespace

int open(const fs::path& path, Access access, const fs::path& shown)
{
    if (access != Access::Read)
        passSeam(FileOp::Open, shown);
    switch (access) {
    case Access::Read:
        return openHandle(path, GENERIC_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, shown);
    case Access::Write:
        return openHandle(path, GENERIC_WRITE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, OPEN_EXISTING,
            FILE_ATTRIBUTE_NORMAL, shown);
    case Access::ReadWrite:
        return openHandle(
            path, GENERIC_READ | GENERIC_WRITE | FILE_WRITE_ATTRIBUTES, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, shown);
    case Access::ReadWriteCreate:
        return openHandle(
            path, GENERIC_READ | GENERIC_WRITE | FILE_WRITE_ATTRIBUTES, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, shown);
    }
    fail(EINVAL, shown);
}

int createTemporary(const fs::path& target, fs::path& temp, const fs::path& shown)
{
    passSeam(FileOp::Open, shown);
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    static const char* const letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporaryPattern(common::utf8FromPath(target.filename()));
        for (char& c : name)
            if (c == 'X')
                c = letters[random() % 62];
        const fs::path candidate = dir / pathFromUtf8(name);
        const HANDLE h = CreateFileW(native(candidate).c_str(), GENERIC_READ | GENERIC_WRITE | FILE_WRITE_ATTRIBUTES,
            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
            nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS)
                continue;
            failLast(shown);
        }
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), 0);
        if (fd < 0) {
            CloseHandle(h);
            fail(EMFILE, shown);
        }
        lock(fd, true);
        temp = candidate;
        return fd;
    }
    fail(EEXIST, shown);
}

void writeOut(int fd, std::span<const std::uint8_t> data, const fs::path& shown)
{
    passSeam(FileOp::Write, shown);
    std::size_t done = 0;
    while (done < data.size()) {
        DWORD n = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
        if (!WriteFile(handleOf(fd), data.data() + done, chunk, &n, nullptr))
            failLast(shown);
        if (n == 0)
            fail(EIO, shown);
        done += n;
    }
}

void sync(int fd, const fs::path& shown)
{
    passSeam(FileOp::Sync, shown);
    if (!FlushFileBuffers(handleOf(fd)))
        failLast(shown);
}

void changeMode(int fd, unsigned mode, const fs::path& shown)
{
    passSeam(FileOp::Permissions, shown);
    setReadOnly(handleOf(fd), mode, shown);
}

void changeMode(const fs::path& path, unsigned mode, const fs::path& shown)
{
    passSeam(FileOp::Permissions, shown);
    const DWORD attributes = GetFileAttributesW(native(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        failLast(shown);
    DWORD wanted = (mode & 0200u) ? attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)
                                  : attributes | FILE_ATTRIBUTE_READONLY;
    if (wanted == 0)
        wanted = FILE_ATTRIBUTE_NORMAL;
    if (!SetFileAttributesW(native(path).c_str(), wanted))
        failLast(shown);
}

void rename(const fs::path& from, const fs::path& to, const fs::path& shown)
{
    passSeam(FileOp::Rename, shown);
    if (!MoveFileExW(native(from).c_str(), native(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        failLast(shown);
}

void remove(const fs::path& path, const fs::path& shown)
{
    passSeam(FileOp::Remove, shown);
    if (!DeleteFileW(native(path).c_str()))
        failLast(shown);
}

void resize(int fd, std::uint64_t size, const fs::path& shown)
{
    passSeam(FileOp::Write, shown);
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFileInformationByHandle(handleOf(fd), FileEndOfFileInfo, &end, sizeof end))
        failLast(shown);
}

bool lock(int fd, bool wait)
{
    OVERLAPPED whole{};
    // The lock covers no byte anybody reads (beyond any file's end), so
    // that it marks the file without keeping its own handle from it.
    whole.Offset = 0xFFFFFFFEu;
    whole.OffsetHigh = 0x7FFFFFFFu;
    const DWORD flags = LOCKFILE_EXCLUSIVE_LOCK | (wait ? 0 : LOCKFILE_FAIL_IMMEDIATELY);
    if (LockFileEx(handleOf(fd), flags, 0, 1, 0, &whole))
        return true;
    const DWORD error = GetLastError();
    return error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING;
}

FileInfo info(const fs::path& path)
{
    const HANDLE h = CreateFileW(native(path).c_str(), FILE_READ_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
        nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return {};
    FileInfo i = fromHandle(h);
    CloseHandle(h);
    return i;
}

FileInfo info(int fd)
{
    return fromHandle(handleOf(fd));
}

bool mayWrite(const fs::path& path)
{
    const DWORD attributes = GetFileAttributesW(native(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true; // missing: whether it can be made is the folder's matter
    return (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

void copyOwnerAndAttributes(const fs::path&, int)
{
    // The new file takes the folder's inherited ACL, as a file saved by any
    // Windows program does; the read-only flag is carried as the mode.
}

void syncFolder(const fs::path&)
{
    // MOVEFILE_WRITE_THROUGH has made the rename durable.
}

void readAt(int fd, std::uint64_t pos, std::span<std::uint8_t> out, const fs::path& shown)
{
    std::size_t done = 0;
    while (done < out.size()) {
        OVERLAPPED at = atPosition(pos + done);
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(out.size() - done, 1u << 30));
        DWORD n = 0;
        if (!ReadFile(handleOf(fd), out.data() + done, chunk, &n, &at)) {
            if (GetLastError() == ERROR_HANDLE_EOF)
                throw IoError(IoFailure::ReadBeyondEnd, 0, shown);
            failLast(shown);
        }
        if (n == 0)
            throw IoError(IoFailure::ReadBeyondEnd, 0, shown);
        done += n;
    }
}

std::uint64_t size(int fd, const fs::path& shown)
{
    LARGE_INTEGER n{};
    if (!GetFileSizeEx(handleOf(fd), &n))
        failLast(shown);
    return static_cast<std::uint64_t>(n.QuadPart);
}

std::vector<std::uint8_t> readWhole(const fs::path& path, const fs::path& shown)
{
    const HANDLE h
        = CreateFileW(native(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        failLast(shown);
    try {
        const FileInfo i = fromHandle(h);
        if (i.directory)
            throw IoError(IoFailure::AccessDenied, 0, shown);
        auto bytes = readToEnd(h, i.regular ? i.size : 0, shown);
        CloseHandle(h);
        return bytes;
    } catch (...) {
        CloseHandle(h);
        throw;
    }
}

std::vector<std::uint8_t> readStandardInput()
{
    return readToEnd(GetStdHandle(STD_INPUT_HANDLE), 0, "-");
}

void useBinaryStandardStreams()
{
    for (FILE* stream : {stdin, stdout, stderr})
        _setmode(_fileno(stream), _O_BINARY);
}

void closeQuietly(int fd)
{
    if (fd >= 0)
        _close(fd);
}

void removeQuietly(const fs::path& path)
{
    DeleteFileW(native(path).c_str());
}

unsigned defaultMode()
{
    return 0666u;
}

std::tm localTime(std::time_t t)
{
    std::tm local{};
    localtime_s(&local, &t);
    return local;
}

namespace {

std::wstring wide(const std::string& text, UINT codePage)
{
    if (text.empty())
        return {};
    const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int n
        = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

} // namespace

int errnoOfSystemCode(unsigned long code)
{
    return errnoOf(static_cast<DWORD>(code));
}

int runAndWait(const fs::path& program, const std::vector<std::string>& arguments)
{
    // Quoted in UTF-8 (the quoting touches ASCII only), so that neither the
    // program's name nor an argument loses a character on the way.
    std::vector<std::string> all{utf8(program.wstring())};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::wstring line = wide(windowsCommandLine(all), CP_UTF8);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // Handles inherited, so that the standard streams reach the program.
    if (!CreateProcessW(
            program.wstring().c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    CloseHandle(process.hThread);
    DWORD code = 0;
    const bool ended = WaitForSingleObject(process.hProcess, INFINITE) == WAIT_OBJECT_0
        && GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return ended ? static_cast<int>(code) : -1;
}

std::optional<int> runInCopy(const std::function<void()>&)
{
    return std::nullopt;
}

long processId()
{
    return static_cast<long>(GetCurrentProcessId());
}

fs::path runningProgram()
{
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (n == 0)
            return {};
        if (n < name.size()) {
            name.resize(n);
            return fs::path(name);
        }
        name.resize(name.size() * 2);
    }
}

std::optional<std::string> environmentVariable(const std::string& name)
{
    const std::wstring key = pathFromUtf8(name).native();
    const DWORD n = GetEnvironmentVariableW(key.c_str(), nullptr, 0);
    if (n == 0)
        return std::nullopt;
    std::wstring value(n, L'\0');
    value.resize(GetEnvironmentVariableW(key.c_str(), value.data(), n));
    return utf8FromPath(fs::path(value));
}

void setEnvironmentVariable(const std::string& name, const std::string& value)
{
    // The system's block, which a started process inherits; the C
    // runtime's copy too, for getenv().
    SetEnvironmentVariableW(pathFromUtf8(name).c_str(), pathFromUtf8(value).c_str());
    _wputenv_s(pathFromUtf8(name).c_str(), pathFromUtf8(value).c_str());
}

std::vector<std::string> programArguments(int, char**)
{
    useBinaryStandardStreams();
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    // Arguments are no paths, but a path holds any UTF-16 exactly.
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(utf8FromPath(fs::path(wide[i])));
    LocalFree(wide);
    return arguments;
}

bool writeText(std::FILE* stream, std::string_view text)
{
    const HANDLE h = handleOf(_fileno(stream));
    DWORD mode = 0;
    if (h == INVALID_HANDLE_VALUE || !GetConsoleMode(h, &mode))
        return std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
    std::fflush(stream);
    const std::wstring wide = pathFromUtf8(text).native();
    for (std::size_t done = 0; done < wide.size();) {
        DWORD n = 0;
        std::size_t chunk = std::min<std::size_t>(wide.size() - done, 8192);
        // A pair of surrogates stays in one write.
        if (chunk > 1 && wide[done + chunk - 1] >= 0xD800 && wide[done + chunk - 1] <= 0xDBFF)
            --chunk;
        if (!WriteConsoleW(h, wide.data() + done, static_cast<DWORD>(chunk), &n, nullptr) || n == 0)
            return false;
        done += n;
    }
    return true;
}

bool clearTerminal(std::FILE* stream)
{
    const HANDLE h = handleOf(_fileno(stream));
    CONSOLE_SCREEN_BUFFER_INFO screen{};
    if (h == INVALID_HANDLE_VALUE || !GetConsoleScreenBufferInfo(h, &screen))
        return false;
    std::fflush(stream);
    // Spaces in the current colours over the whole buffer, then home.
    const DWORD cells = static_cast<DWORD>(screen.dwSize.X) * static_cast<DWORD>(screen.dwSize.Y);
    const COORD home{0, 0};
    DWORD done = 0;
    FillConsoleOutputCharacterW(h, L' ', cells, home, &done);
    FillConsoleOutputAttribute(h, screen.wAttributes, cells, home, &done);
    SetConsoleCursorPosition(h, home);
    return true;
}

} // namespace common::sys
