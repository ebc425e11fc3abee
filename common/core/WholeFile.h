// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

// The two ways the layer puts a whole file's new content in place, below
// backups, journals and checks. `real` is the file itself (links followed);
// failures throw IoError naming `shown`.
namespace common::whole {

// A new temporary file beside `real` takes the bytes, `mode`, and (when
// `real` exists) its owner, ACLs and extended attributes; it is synced and
// read back, then renamed over `real`. A failure leaves `real` untouched
// and no temporary file. Temporary files a killed run left beside `real`
// are removed first.
void replaceByRename(const std::filesystem::path& real, std::span<const std::uint8_t> bytes, unsigned mode,
    const std::filesystem::path& shown);

// Writes the bytes over the existing file itself, so that every hard link
// to it sees them: written, cut to length, synced and read back. Not atomic
// by itself: the caller journals the old content first.
void rewriteInPlace(const std::filesystem::path& real, std::span<const std::uint8_t> bytes,
    const std::filesystem::path& shown);

// Removes the temporary files that killed runs left beside `real`; one
// another program is writing stays.
void removeStaleTemporaries(const std::filesystem::path& real);

} // namespace common::whole
