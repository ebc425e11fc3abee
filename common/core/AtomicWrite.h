// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace common {

// Writes a file that a program creates whole, the way a careful editor
// saves: the bytes go to a new, exclusively created temporary file beside
// the real target (a symbolic link is followed, so it stays a link), are
// synced to disk, take the target's permission bits and replace it by a
// rename; then the file is read back and compared. A failure never leaves
// a partial or emptied file, nor the temporary one. A write-protected
// target is refused ("File access denied"), and an existing target is
// backed up first (RunBackups). Throws IoError naming `target`.
void writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);
void writeFileAtomically(const std::filesystem::path& target, std::string_view text);

// The same without the backup and the write-protection check: for files
// that are not the game's (the layer's own backups, screenshots).
void writeNewFileWhole(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

} // namespace common
