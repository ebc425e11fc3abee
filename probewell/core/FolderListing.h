// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace probewell {

// The listings of the report, in the order a Windows folder list shows them:
// by name without regard to letter case. Entries whose name begins with a
// dot are hidden and left out, as the game's own folder lists leave out
// hidden entries. Both throw common::IoError naming the folder when it
// cannot be read;
// a folder that does not exist lists nothing.

// Full (absolute) paths of the direct subfolders of `dir`.
std::vector<std::string> listSubfolders(const std::filesystem::path& dir);

// Names (without folder) of the files of `dir`.
std::vector<std::string> listFiles(const std::filesystem::path& dir);

} // namespace probewell
