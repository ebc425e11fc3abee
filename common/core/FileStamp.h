// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace common {

// What a window knew of a file when it read it: size, modification time and
// a hash of the bytes. At save it tells whether another program changed the
// file since, so that its change is not overwritten unasked.
class FileStamp {
public:
    // No file known: nothing is ever reported changed.
    FileStamp() = default;
    // The stamp of `file` as it holds `bytes` (the bytes just read from it).
    static FileStamp of(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
    // The stamp of `file` as it stands now; an unreadable file gives none.
    static FileStamp read(const std::filesystem::path& file);

    bool known() const { return known_; }
    // Whether `file` no longer holds what was stamped: gone, or other bytes.
    // A new time over the same bytes (a touch, a save of the same values)
    // is no change; the same size and time are taken as unchanged without
    // reading the file again.
    bool changedOnDisk(const std::filesystem::path& file) const;

private:
    bool known_ = false;
    std::uintmax_t size_ = 0;
    std::filesystem::file_time_type time_{};
    std::uint64_t hash_ = 0;
};

} // namespace common
