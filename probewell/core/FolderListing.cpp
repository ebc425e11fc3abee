// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderListing.h"

#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/core/PathText.h"

#include <algorithm>
#include <system_error>

namespace probewell {

namespace fs = std::filesystem;

namespace {

enum class Kind { Folders, Files };

void sortLikeFolderList(std::vector<std::string>& names)
{
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = common::lowerCase(a);
        const std::string lb = common::lowerCase(b);
        return la != lb ? la < lb : a < b;
    });
}

std::vector<std::string> entryNames(const fs::path& dir, Kind kind)
{
    std::vector<std::string> names;
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return names;
    fs::directory_iterator it(dir, ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        const std::string name = common::utf8FromPath(it->path().filename());
        if (name.empty() || name.front() == '.')
            continue;
        // A link counts as what it points to; a dangling one is neither.
        std::error_code statusError;
        const bool wanted = kind == Kind::Folders ? it->is_directory(statusError) : it->is_regular_file(statusError);
        if (wanted && !statusError)
            names.push_back(name);
    }
    if (ec)
        throw common::IoError::fromErrno(ec.value(), dir);
    sortLikeFolderList(names);
    return names;
}

} // namespace

std::vector<std::string> listSubfolders(const fs::path& dir)
{
    std::vector<std::string> paths;
    const auto names = entryNames(dir, Kind::Folders);
    if (names.empty())
        return paths;
    // Full paths whatever folder the caller named (".", "game/..").
    std::error_code ec;
    fs::path full = fs::absolute(dir, ec);
    if (ec)
        throw common::IoError::fromErrno(ec.value(), dir);
    full = full.lexically_normal();
    for (const std::string& name : names)
        paths.push_back(common::utf8FromPath(full / common::pathFromUtf8(name)));
    return paths;
}

std::vector<std::string> listFiles(const fs::path& dir)
{
    return entryNames(dir, Kind::Files);
}

} // namespace probewell
