// The system calls that are the same on every system (std::filesystem).
#include "SystemCalls.h"

namespace common::sys {

namespace fs = std::filesystem;

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

} // namespace common::sys
