// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mods/core/ChangeCheck.h"

#include <string>
#include <vector>

namespace mods {

struct InstallOutcome {
    std::vector<ChangeCheck> changes;
    std::vector<std::string> filesWritten; // below the game folder
};

} // namespace mods
