// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mods/core/FileChange.h"

#include <string>
#include <vector>

namespace mods {

// A mod as its .vmod file holds it.
struct Mod {
    std::string name{};
    std::string version{};
    std::string author{};
    std::string description{};
    std::string readme{};
    std::string made{};
    std::vector<FileChange> files{};
    nlohmann::ordered_json unknown = nlohmann::ordered_json::object();

    // Field changes plus whole files.
    std::size_t changeCount() const
    {
        std::size_t n = 0;
        for (const auto& f : files)
            n += f.whole ? 1 : f.fields.size();
        return n;
    }
};

} // namespace mods
