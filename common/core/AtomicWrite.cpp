#include "AtomicWrite.h"

#include "IoError.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

namespace common {

namespace fs = std::filesystem;

namespace {

fs::path temporaryBeside(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (;;) {
        // Appended piece by piece: GCC 12 warns wrongly about "." + string.
        std::string name = ".";
        name += target.filename().string();
        name += ".tmp";
        name += std::to_string(counter++);
        fs::path candidate = dir / name;
        std::error_code ec;
        if (!fs::exists(candidate, ec))
            return candidate;
    }
}

void removeQuietly(const fs::path& p)
{
    std::error_code ec;
    fs::remove(p, ec);
}

} // namespace

void writeFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes)
{
    if (target.empty() || target.filename().empty())
        throw IoError(IoFailure::InvalidFilename);
    std::error_code ec;
    if (fs::is_directory(target, ec))
        throw IoError(IoFailure::AccessDenied);

    const fs::path temp = temporaryBeside(target);
    errno = 0;
    std::FILE* f = std::fopen(temp.string().c_str(), "wb");
    if (!f)
        throw IoError::fromErrno(errno);

    errno = 0;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    int err = errno;
    if (ok) {
        ok = std::fflush(f) == 0;
        err = errno;
    }
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        removeQuietly(temp);
        throw IoError::fromErrno(err == 0 ? EIO : err);
    }

    if (fs::exists(target, ec)) {
        const auto perms = fs::status(target, ec).permissions();
        if (!ec)
            fs::permissions(temp, perms, ec);
    }
    fs::rename(temp, target, ec);
    if (ec) {
        removeQuietly(temp);
        throw IoError::fromErrno(ec.value());
    }
}

void writeFileAtomically(const fs::path& target, std::string_view text)
{
    writeFileAtomically(target,
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace common
