// SPDX-License-Identifier: GPL-3.0-or-later
#include "WholeFile.h"

#include "IoError.h"
#include "ScratchFiles.h"
#include "SystemCalls.h"
#include "PathText.h"

#include <algorithm>
#include <vector>

namespace common::whole {

namespace fs = std::filesystem;

namespace {

fs::path folderOf(const fs::path& real)
{
    return real.has_parent_path() ? real.parent_path() : fs::path(".");
}

void verify(int fd, std::span<const std::uint8_t> bytes, const fs::path& shown)
{
    std::vector<std::uint8_t> back(bytes.size());
    sys::readAt(fd, 0, back, shown);
    if (sys::size(fd, shown) != bytes.size() || !std::equal(back.begin(), back.end(), bytes.begin()))
        throw IoError(IoFailure::NotVerified, 0, shown);
}

} // namespace

void removeStaleTemporaries(const fs::path& real)
{
    const std::string target = common::utf8FromPath(real.filename());
    std::error_code ec;
    for (fs::directory_iterator it(folderOf(real), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = common::utf8FromPath(it->path().filename());
        if (!isTemporaryFor(name, target))
            continue;
        int fd = -1;
        try {
            fd = sys::open(it->path(), sys::Access::Read, it->path());
        } catch (const IoError&) {
            continue;
        }
        // Its writer holds the lock from the moment it made the file.
        if (sys::lock(fd, false) && sys::info(fd).regular)
            sys::removeQuietly(it->path());
        sys::closeQuietly(fd);
    }
}

void replaceByRename(const fs::path& real, std::span<const std::uint8_t> bytes, unsigned mode, const fs::path& shown)
{
    removeStaleTemporaries(real);
    const bool exists = sys::info(real).exists;
    fs::path temp;
    const int fd = sys::createTemporary(real, temp, shown);
    try {
        sys::writeAt(fd, 0, bytes, shown);
        if (exists)
            sys::copyOwnerAndAttributes(real, fd);
        sys::changeMode(fd, mode, shown);
        sys::sync(fd, shown);
        // Compared before it replaces anything, so a bad copy never does.
        verify(fd, bytes, shown);
        sys::closeQuietly(fd);
        sys::rename(temp, real, shown);
    } catch (...) {
        sys::closeQuietly(fd);
        sys::removeQuietly(temp);
        throw;
    }
    // The rename is made durable with the folder; a failure here loses
    // nothing that was not already written.
    sys::syncFolder(folderOf(real));
}

void rewriteInPlace(const fs::path& real, std::span<const std::uint8_t> bytes, const fs::path& shown)
{
    const int fd = sys::open(real, sys::Access::ReadWrite, shown);
    try {
        sys::writeAt(fd, 0, bytes, shown);
        sys::resize(fd, bytes.size(), shown);
        sys::sync(fd, shown);
        verify(fd, bytes, shown);
    } catch (...) {
        sys::closeQuietly(fd);
        throw;
    }
    sys::closeQuietly(fd);
}

} // namespace common::whole
