// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace common {

// Copies `from` over `to` as a whole-file write (atomic, backed up,
// verified). Throws IoError naming the file that failed.
void copyFileWhole(const std::filesystem::path& from, const std::filesystem::path& to);

// Removes a file: a write-protected one is refused ("File access denied")
// and an existing one is backed up first. A missing file is not an error.
void removeFile(const std::filesystem::path& file);

// Sets a file's permission bits (the game's read-only attribute).
void changePermissions(const std::filesystem::path& file, std::filesystem::perms perms);

} // namespace common
