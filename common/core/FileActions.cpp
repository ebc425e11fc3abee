#include "FileActions.h"

#include "AtomicWrite.h"
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
    refuseIfWriteProtected(file);
    RunBackups::beforeChange(file);
    sys::remove(file, file);
}

void changePermissions(const fs::path& file, fs::perms perms)
{
    sys::changeMode(file, static_cast<unsigned>(perms & fs::perms::mask), file);
}

} // namespace common
