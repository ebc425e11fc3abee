// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace fuzzing {

// A folder of this fuzzing process for readers that take a path; it is
// removed when the process ends. Files are written with plain stdio: these
// are throw-away inputs, not game files.
class Scratch {
public:
    static const std::filesystem::path& folder();
    // A fresh, empty subfolder (the previous one of that name is removed).
    static std::filesystem::path freshFolder(std::string_view name);
    // Writes `bytes` at `offset` of a new file; the gap before it stays a
    // hole, so a large file costs only what is written.
    static void writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
        std::uint64_t offset = 0);
};

} // namespace fuzzing
