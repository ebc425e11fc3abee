#include "AtomicWrite.h"

#include "IoError.h"
#include "RunBackups.h"
#include "SystemCalls.h"
#include "WriteProtection.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace common {

namespace fs = std::filesystem;

namespace {

void checkName(const fs::path& target)
{
    if (target.empty() || target.filename().empty())
        throw IoError(IoFailure::InvalidFilename, 0, target);
}

void replaceWhole(const fs::path& target, std::span<const std::uint8_t> bytes, bool guarded)
{
    checkName(target);
    const fs::path real = sys::finalTarget(target);
    std::error_code ec;
    const auto status = fs::status(real, ec);
    if (fs::is_directory(status))
        throw IoError(IoFailure::AccessDenied, 0, target);
    const bool exists = fs::exists(status);
    if (guarded && exists) {
        refuseIfWriteProtected(target);
        RunBackups::beforeChange(target);
    }
    const unsigned mode = exists ? static_cast<unsigned>(status.permissions() & fs::perms::mask) : sys::defaultMode();

    fs::path temp;
    const int fd = sys::createTemporary(real, temp, target);
    try {
        sys::writeAt(fd, 0, bytes, target);
        sys::changeMode(fd, mode, target);
        sys::sync(fd, target);
        // Compared before it replaces anything, so a bad copy never does.
        std::vector<std::uint8_t> back(bytes.size());
        sys::readAt(fd, 0, back, target);
        if (sys::size(fd, target) != bytes.size() || !std::equal(back.begin(), back.end(), bytes.begin()))
            throw IoError(IoFailure::NotVerified, 0, target);
        sys::closeQuietly(fd);
        sys::rename(temp, real, target);
    } catch (...) {
        sys::closeQuietly(fd);
        sys::removeQuietly(temp);
        throw;
    }
    // The rename is made durable with the folder; a failure here loses
    // nothing that was not already written.
    const fs::path dir = real.has_parent_path() ? real.parent_path() : fs::path(".");
    if (const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dfd >= 0) {
        ::fsync(dfd);
        sys::closeQuietly(dfd);
    }
}

} // namespace

void writeFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes)
{
    replaceWhole(target, bytes, true);
}

void writeFileAtomically(const fs::path& target, std::string_view text)
{
    writeFileAtomically(target,
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void writeNewFileWhole(const fs::path& target, std::span<const std::uint8_t> bytes)
{
    replaceWhole(target, bytes, false);
}

} // namespace common
