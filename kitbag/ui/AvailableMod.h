// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mods/core/Mod.h"

#include <filesystem>
#include <optional>
#include <string>

namespace kitbag {

// A .vmod file found in the game's Mods/ folder or a folder the user added:
// the mod it holds, or why it does not read.
struct AvailableMod {
    std::filesystem::path file{};
    std::optional<mods::Mod> mod{};
    std::string error{};
};

} // namespace kitbag
