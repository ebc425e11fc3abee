// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileActions.h"

#include "AtomicWrite.h"
#include "FileJournal.h"
#include "FileTransaction.h"
#include "IoError.h"
#include "RunBackups.h"
#include "SystemCalls.h"
#include "WriteProtection.h"

namespace common {

namespace fs = std::filesystem;

void copyFileWhole(const fs::path& from, const fs::path& to)
{
    writeFileAtomically(to, sys::readWhole(from, from));
}

void removeFile(const fs::path& file)
{
    std::error_code ec;
    const auto status = fs::symlink_status(file, ec);
    if (!fs::exists(status))
        return;
    if (fs::is_directory(status))
        throw IoError(IoFailure::AccessDenied, 0, file);
    const fs::path real = fs::absolute(file, ec);
    FileJournal::settleAround(real);
    refuseIfWriteProtected(file);
    {
        // Begun before the backup, so that a refused removal takes it along.
        FileTransaction operation;
        RunBackups::beforeChange(file);
        // A removal is all or nothing by itself; within an operation of
        // several changes it is journaled so it can be put back.
        if (!operation.isOutermost() && fs::is_regular_file(status)) {
            const sys::FileInfo now = sys::info(real);
            FileTransaction::journalFor(real, file)->noteWhole(real, sys::readWhole(real, file), now.mode, file);
        }
        sys::remove(file, file);
        operation.commit();
    }
    sys::syncFolder(real.parent_path());
}

void changePermissions(const fs::path& file, fs::perms perms)
{
    std::error_code ec;
    const fs::path real = fs::absolute(sys::finalTarget(file), ec);
    FileJournal::settleAround(real);
    if (FileTransaction::active())
        FileTransaction::journalFor(real, file)->noteMode(real, sys::info(real).mode, file);
    sys::changeMode(file, static_cast<unsigned>(perms & fs::perms::mask), file);
}

} // namespace common
