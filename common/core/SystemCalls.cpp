#include "SystemCalls.h"

#include "FileFaults.h"
#include "IoError.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace common::sys {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(int err, const fs::path& shown)
{
    throw IoError::fromErrno(err == 0 ? EIO : err, shown);
}

// 0, or the errno of the write that failed.
int writeAll(int fd, std::uint64_t pos, std::span<const std::uint8_t> data)
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

void passSeam(FileOp op, const fs::path& shown)
{
    if (const int err = FileFaults::check(op))
        fail(err, shown);
}

} // namespace

int open(const fs::path& path, int flags, const fs::path& shown)
{
    // Only opens that may change the file count: the seam walks writers.
    if ((flags & O_ACCMODE) != O_RDONLY)
        passSeam(FileOp::Open, shown);
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
    // Appended piece by piece: GCC 12 warns wrongly about "." + string.
    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    std::string pattern = (dir / name).string();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        fail(errno, shown);
    temp = pattern;
    return fd;
}

void writeAt(int fd, std::uint64_t pos, std::span<const std::uint8_t> data, const fs::path& shown)
{
    passSeam(FileOp::Write, shown);
    std::vector<std::uint8_t> spoiled;
    if (FileFaults::corruptsThisWrite() && !data.empty()) {
        spoiled.assign(data.begin(), data.end());
        spoiled[0] ^= 0xFF;
        data = spoiled;
    }
    if (const int err = writeAll(fd, pos, data))
        fail(err, shown);
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

void closeQuietly(int fd)
{
    if (fd >= 0)
        ::close(fd);
}

void removeQuietly(const fs::path& path)
{
    ::unlink(path.c_str());
}

void restoreAt(int fd, std::uint64_t pos, std::span<const std::uint8_t> data)
{
    writeAll(fd, pos, data);
}

fs::path finalTarget(const fs::path& path)
{
    fs::path p = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)))
            return p;
        const fs::path link = fs::read_symlink(p, ec);
        if (ec)
            return p;
        p = link.is_absolute() ? link : p.parent_path() / link;
    }
    return p;
}

unsigned defaultMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666u & ~static_cast<unsigned>(mask);
}

} // namespace common::sys
