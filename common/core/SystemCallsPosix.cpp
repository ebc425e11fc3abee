// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemCalls.h"

#include "FileFaults.h"
#include "IoError.h"

#include "ScratchFiles.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

extern char** environ;

namespace common::sys {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(int err, const fs::path& shown)
{
    throw IoError::fromErrno(err == 0 ? EIO : err, shown);
}

} // namespace

int writeAllAt(int fd, std::uint64_t pos, std::span<const std::uint8_t> data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::pwrite(fd, data.data() + done, data.size() - done, static_cast<off_t>(pos + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno == 0 ? EIO : errno;
        if (n == 0)
            return EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

namespace {

void passSeam(FileOp op, const fs::path& shown)
{
    if (const int err = FileFaults::check(op))
        fail(err, shown);
}

} // namespace

int open(const fs::path& path, Access access, const fs::path& shown)
{
    // Only opens that may change the file count: the seam walks writers.
    if (access != Access::Read)
        passSeam(FileOp::Open, shown);
    const int flags = access == Access::Read ? O_RDONLY
        : access == Access::Write            ? O_WRONLY
        : access == Access::ReadWrite        ? O_RDWR
                                             : O_RDWR | O_CREAT;
    int fd;
    do
        fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        fail(errno, shown);
    return fd;
}

int createTemporary(const fs::path& target, fs::path& temp, const fs::path& shown)
{
    passSeam(FileOp::Open, shown);
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (dir / temporaryPattern(target.filename().string())).string();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        fail(errno, shown);
    lock(fd, true);
    temp = pattern;
    return fd;
}

void writeOut(int fd, std::span<const std::uint8_t> data, const fs::path& shown)
{
    passSeam(FileOp::Write, shown);
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(n < 0 ? errno : EIO, shown);
        done += static_cast<std::size_t>(n);
    }
}

void sync(int fd, const fs::path& shown)
{
    passSeam(FileOp::Sync, shown);
    if (::fsync(fd) != 0)
        fail(errno, shown);
}

void changeMode(int fd, unsigned mode, const fs::path& shown)
{
    passSeam(FileOp::Permissions, shown);
    if (::fchmod(fd, static_cast<mode_t>(mode)) != 0)
        fail(errno, shown);
}

void changeMode(const fs::path& path, unsigned mode, const fs::path& shown)
{
    passSeam(FileOp::Permissions, shown);
    if (::chmod(path.c_str(), static_cast<mode_t>(mode)) != 0)
        fail(errno, shown);
}

void rename(const fs::path& from, const fs::path& to, const fs::path& shown)
{
    passSeam(FileOp::Rename, shown);
    if (::rename(from.c_str(), to.c_str()) != 0)
        fail(errno, shown);
}

void remove(const fs::path& path, const fs::path& shown)
{
    passSeam(FileOp::Remove, shown);
    if (::unlink(path.c_str()) != 0)
        fail(errno, shown);
}

void resize(int fd, std::uint64_t size, const fs::path& shown)
{
    passSeam(FileOp::Write, shown);
    int rc;
    do
        rc = ::ftruncate(fd, static_cast<off_t>(size));
    while (rc != 0 && errno == EINTR);
    if (rc != 0)
        fail(errno, shown);
}

bool lock(int fd, bool wait)
{
    int rc;
    do
        rc = ::flock(fd, LOCK_EX | (wait ? 0 : LOCK_NB));
    while (rc != 0 && errno == EINTR);
    // A file system without locks (some network shares) cannot tell; the
    // file is then taken as free.
    return rc == 0 || errno != EWOULDBLOCK;
}

namespace {

FileInfo fromStat(const struct stat& st)
{
    FileInfo i;
    i.exists = true;
    i.regular = S_ISREG(st.st_mode);
    i.directory = S_ISDIR(st.st_mode);
    i.size = static_cast<std::uint64_t>(st.st_size);
    i.mode = static_cast<unsigned>(st.st_mode & 07777);
    i.links = static_cast<std::uint64_t>(st.st_nlink);
    i.device = static_cast<std::uint64_t>(st.st_dev);
    i.inode = static_cast<std::uint64_t>(st.st_ino);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const double changed = static_cast<double>(st.st_ctim.tv_sec) + static_cast<double>(st.st_ctim.tv_nsec) * 1e-9;
    i.changedSecondsAgo = std::chrono::duration<double>(now).count() - changed;
    return i;
}

} // namespace

FileInfo info(const fs::path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return fromStat(st);
}

FileInfo info(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return {};
    return fromStat(st);
}

bool mayWrite(const fs::path& path)
{
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT;
}

void copyOwnerAndAttributes(const fs::path& from, int to)
{
    struct stat st {};
    if (::stat(from.c_str(), &st) != 0)
        return;
    struct stat now {};
    if (::fstat(to, &now) == 0 && (now.st_uid != st.st_uid || now.st_gid != st.st_gid)) {
        // The group alone where the owner may not be given away.
        if (::fchown(to, st.st_uid, st.st_gid) != 0 && ::fchown(to, static_cast<uid_t>(-1), st.st_gid) != 0) {
        }
        // A change of owner clears the set-id bits; the mode goes back on.
        if (::fchmod(to, st.st_mode & 07777) != 0) {
        }
    }
    const ssize_t listSize = ::listxattr(from.c_str(), nullptr, 0);
    if (listSize <= 0)
        return;
    std::string names(static_cast<std::size_t>(listSize), '\0');
    const ssize_t got = ::listxattr(from.c_str(), names.data(), names.size());
    if (got <= 0)
        return;
    names.resize(static_cast<std::size_t>(got));
    for (std::size_t start = 0; start < names.size();) {
        const std::string name = names.c_str() + start;
        start += name.size() + 1;
        const ssize_t valueSize = ::getxattr(from.c_str(), name.c_str(), nullptr, 0);
        if (valueSize < 0)
            continue;
        std::string value(static_cast<std::size_t>(valueSize), '\0');
        const ssize_t read = ::getxattr(from.c_str(), name.c_str(), value.data(), value.size());
        if (read < 0)
            continue;
        // What the process may not set (a security label, say) stays as the
        // system gives it.
        if (::fsetxattr(to, name.c_str(), value.data(), static_cast<std::size_t>(read), 0) != 0) {
        }
    }
}

void syncFolder(const fs::path& folder)
{
    const fs::path dir = folder.empty() ? fs::path(".") : folder;
    if (const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

void readAt(int fd, std::uint64_t pos, std::span<std::uint8_t> out, const fs::path& shown)
{
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::pread(fd, out.data() + done, out.size() - done, static_cast<off_t>(pos + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno, shown);
        }
        if (n == 0)
            throw IoError(IoFailure::ReadBeyondEnd, 0, shown);
        done += static_cast<std::size_t>(n);
    }
}

std::uint64_t size(int fd, const fs::path& shown)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        fail(errno, shown);
    return static_cast<std::uint64_t>(st.st_size);
}

namespace {

// Reads sequentially to the end: a pipe or a terminal reports no size, so
// the length is what arrives, not what stat says.
std::vector<std::uint8_t> readToEnd(int fd, std::uint64_t sizeHint, const fs::path& shown)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(sizeHint));
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno, shown);
        }
        if (n == 0)
            return bytes;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
}

} // namespace

std::vector<std::uint8_t> readWhole(const fs::path& path, const fs::path& shown)
{
    int fd;
    do
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        fail(errno, shown);
    try {
        struct stat st {};
        if (::fstat(fd, &st) != 0)
            fail(errno, shown);
        if (S_ISDIR(st.st_mode))
            throw IoError(IoFailure::AccessDenied, 0, shown);
        auto bytes = readToEnd(fd, S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0, shown);
        ::close(fd);
        return bytes;
    } catch (...) {
        ::close(fd);
        throw;
    }
}

std::vector<std::uint8_t> readStandardInput()
{
    return readToEnd(0, 0, "-");
}

void useBinaryStandardStreams()
{
}

void closeQuietly(int fd)
{
    if (fd >= 0)
        ::close(fd);
}

void removeQuietly(const fs::path& path)
{
    ::unlink(path.c_str());
}

unsigned defaultMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666u & ~static_cast<unsigned>(mask);
}

std::tm localTime(std::time_t t)
{
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}

int errnoOfSystemCode(unsigned long code)
{
    return static_cast<int>(code);
}

namespace {

// -1 unless the child ended by itself.
int waitFor(pid_t child)
{
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

int runAndWait(const fs::path& program, const std::vector<std::string>& arguments)
{
    std::vector<std::string> all{program.string()};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    return waitFor(child);
}

std::optional<int> runInCopy(const std::function<void()>& body)
{
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        // Never back into the caller's stack (a test runner's, say).
        try {
            body();
        } catch (...) {
            std::_Exit(1);
        }
        std::_Exit(0);
    }
    return waitFor(child);
}

long processId()
{
    return static_cast<long>(::getpid());
}

fs::path runningProgram()
{
    std::error_code ec;
    return fs::read_symlink("/proc/self/exe", ec);
}

std::optional<std::string> environmentVariable(const std::string& name)
{
    const char* value = std::getenv(name.c_str());
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void setEnvironmentVariable(const std::string& name, const std::string& value)
{
    ::setenv(name.c_str(), value.c_str(), 1);
}

std::vector<std::string> programArguments(int argc, char** argv)
{
    return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
}

bool writeText(std::FILE* stream, std::string_view text)
{
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
}

bool clearTerminal(std::FILE* stream)
{
    if (!::isatty(::fileno(stream)))
        return false;
    // Erase in the current colours, then home the cursor.
    std::fputs("\x1b[2J\x1b[H", stream);
    std::fflush(stream);
    return true;
}

} // namespace common::sys
