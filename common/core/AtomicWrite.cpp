// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicWrite.h"

#include "FileJournal.h"
#include "FileTransaction.h"
#include "IoError.h"
#include "RunBackups.h"
#include "SystemCalls.h"
#include "WholeFile.h"
#include "WriteProtection.h"

#include <algorithm>
#include <vector>

namespace common {

namespace fs = std::filesystem;

namespace {

void checkName(const fs::path& target)
{
    if (target.empty() || target.filename().empty())
        throw IoError(IoFailure::InvalidFilename, 0, target);
}

// A device or a pipe named as the target (/dev/stdout, /dev/null) takes the
// bytes as a stream: it is not a file to back up or replace.
void writeStream(const fs::path& target, std::span<const std::uint8_t> bytes)
{
    const int fd = sys::open(target, sys::Access::Write, target);
    try {
        sys::writeOut(fd, bytes, target);
    } catch (...) {
        sys::closeQuietly(fd);
        throw;
    }
    sys::closeQuietly(fd);
}

void replaceWhole(const fs::path& target, std::span<const std::uint8_t> bytes, bool guarded)
{
    checkName(target);
    std::error_code ec;
    const fs::path real = fs::absolute(sys::finalTarget(target), ec);
    FileJournal::settleAround(real);
    const sys::FileInfo now = sys::info(real);
    if (now.directory)
        throw IoError(IoFailure::AccessDenied, 0, target);
    if (now.exists && !now.regular) {
        writeStream(real, bytes);
        return;
    }
    // Begun before the backup, so that a refused write takes it along.
    FileTransaction operation;
    std::optional<std::vector<std::uint8_t>> old;
    if (now.exists) {
        if (guarded)
            refuseIfWriteProtected(target);
        old = sys::readWhole(real, target);
        // The same bytes again are no change: nothing to back up or write.
        if (std::equal(old->begin(), old->end(), bytes.begin(), bytes.end()))
            return;
        if (guarded)
            RunBackups::beforeChange(target);
    }
    const unsigned mode = now.exists ? now.mode : sys::defaultMode();
    // Other names of the same file see the new content only if it is
    // written into the file itself.
    const bool inPlace = now.exists && now.links > 1;
    // A rename is all or nothing by itself; the journal is for an
    // operation of several changes, and for a rewrite in place.
    const bool journaled = inPlace || (guarded && !operation.isOutermost());
    if (journaled)
        FileTransaction::journalFor(real, target)->noteWhole(real, old, mode, target);
    if (inPlace)
        whole::rewriteInPlace(real, bytes, target);
    else
        whole::replaceByRename(real, bytes, mode, target);
    operation.commit();
    if (!now.exists && guarded)
        RunBackups::noteCreated(real);
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
