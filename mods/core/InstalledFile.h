// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mods {

// A file an installed mod put whole: the SHA-256 of what it found (kNewFile
// when there was none; that content is kept in Mods/saved/) and of what it put.
struct InstalledFile {
    std::string file{};
    std::string before{};
    std::string after{};
};

} // namespace mods
