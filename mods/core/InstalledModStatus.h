// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace mods {

// An installed mod as `mod list` and Kitbag show it.
struct InstalledModStatus {
    std::string name{};
    std::string version{};
    std::string installed{};
    std::size_t changes = 0;
    std::size_t changedSince = 0; // fields and files that no longer hold its value
    std::size_t missing = 0;      // files it changed that are gone
    // "intact", "partly changed since", "files missing"
    std::string state() const { return missing ? "files missing" : changedSince ? "partly changed since" : "intact"; }
};

} // namespace mods
