// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mods {

inline constexpr const char* kNewFile = "new";

// A file a mod carries whole: one that no catalogue knows.
struct WholeFile {
    std::vector<std::uint8_t> content{};
    std::string replaces{}; // SHA-256 of the file it replaces, or kNewFile
};

} // namespace mods
