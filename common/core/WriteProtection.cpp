#include "WriteProtection.h"

#include "IoError.h"

namespace common {

namespace fs = std::filesystem;

bool isWriteProtected(const fs::path& file)
{
    std::error_code ec;
    const auto status = fs::status(file, ec);
    return !ec && fs::is_regular_file(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

void refuseIfWriteProtected(const fs::path& file)
{
    if (isWriteProtected(file))
        throw IoError(IoFailure::AccessDenied, 0, file);
}

} // namespace common
