// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mods/core/InstalledMod.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mods {

// The mods installed in a game folder, in install order, as
// Mods/installed.json keeps them.
struct InstalledMods {
    std::vector<InstalledMod> mods;

    // The file that keeps them, below the game folder.
    static std::filesystem::path file(const std::filesystem::path& game);
    // Reads the game's record; none installed when it has no such file.
    // Throws ModError when the record does not read (it was damaged).
    static InstalledMods load(const std::filesystem::path& game);
    static InstalledMods fromText(std::string_view text, const std::string& shown);
    std::string text() const;

    const InstalledMod* find(std::string_view name) const;
};

// A field's identity across mods: file (letter case aside), record, field.
std::string fieldKey(std::string_view file, std::string_view record, std::string_view field);

} // namespace mods
