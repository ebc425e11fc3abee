// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessorLookup.h"

#include "common/core/FileLookup.h"
#include "common/core/PathText.h"

#include <string_view>
#include <system_error>

namespace splashroll {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr char kPathSeparator = ';';
#else
constexpr char kPathSeparator = ':';
#endif

bool isProgram(const fs::path& p)
{
    std::error_code ec;
    if (!fs::is_regular_file(p, ec))
        return false;
#ifdef _WIN32
    return true;
#else
    const auto perms = fs::status(p, ec).permissions();
    return !ec
        && (perms & (fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec)) != fs::perms::none;
#endif
}

} // namespace

std::optional<fs::path> findCommandProcessor(
    const std::optional<std::string>& comspec, const std::optional<std::string>& path)
{
    if (comspec && !comspec->empty() && isProgram(common::pathFromUtf8(*comspec)))
        return common::pathFromUtf8(*comspec);
    if (!path)
        return std::nullopt;
    std::string_view rest(*path);
    while (!rest.empty()) {
        const auto cut = rest.find(kPathSeparator);
        const std::string_view dir = rest.substr(0, cut);
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
        // An empty entry would mean the current folder: the picture folder
        // is no place to take a program from.
        if (dir.empty())
            continue;
        if (const auto found = common::findNoCase(common::pathFromUtf8(dir), "CMD.EXE"); found && isProgram(*found))
            return found;
    }
    return std::nullopt;
}

} // namespace splashroll
