// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mods/core/InstalledField.h"
#include "mods/core/InstalledFile.h"

#include <string>
#include <vector>

namespace mods {

// One mod as the game folder's record of installed mods keeps it.
struct InstalledMod {
    std::string name{};
    std::string version{};
    std::string source{};    // the .vmod file's name
    std::string installed{}; // when, in UTC
    std::vector<InstalledField> fields{};
    std::vector<InstalledFile> files{};
    // Loose files its install took out of their archive to set their
    // fields, `after` the SHA-256 of what it took out: the last mod to
    // change one removes it again when it holds that once more.
    std::vector<InstalledFile> created{};
};

} // namespace mods
