// SPDX-License-Identifier: GPL-3.0-or-later
#include "WriteProtection.h"

#include "IoError.h"
#include "SystemCalls.h"

namespace common {

namespace fs = std::filesystem;

bool isWriteProtected(const fs::path& file)
{
    std::error_code ec;
    const auto status = fs::status(file, ec);
    if (ec || !fs::is_regular_file(status))
        return false;
    return (status.permissions() & fs::perms::owner_write) == fs::perms::none || !sys::mayWrite(file);
}

void refuseIfWriteProtected(const fs::path& file)
{
    if (isWriteProtected(file))
        throw IoError(IoFailure::AccessDenied, 0, file);
}

} // namespace common
