// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mods/core/ChangeCheck.h"
#include "mods/core/FieldConflict.h"
#include "mods/core/InstallOptions.h"
#include "mods/core/InstallOutcome.h"
#include "mods/core/InstalledModStatus.h"
#include "mods/core/Mod.h"
#include "mods/core/RemoveOutcome.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace mods {

// How each change of the mod meets the game. Throws ModError, naming the
// mod, the change and the reason, for a change that cannot apply to it at
// all: a file outside the game folder or not there, a kind or field no
// catalogue knows, a value that does not read or lies outside its domain.
std::vector<ChangeCheck> checkMod(const Mod& mod, const std::filesystem::path& game);

// Installs the mod, all or nothing across its files, and records each
// field's value before it in Mods/installed.json. Refused (ModError,
// nothing written) when a check fails, when a mod of that name is
// installed, when a field another installed mod set to another value would
// change (unless `over`), or when one holds neither `from` nor a mod's
// value (unless `force`).
InstallOutcome installMod(const Mod& mod, const std::filesystem::path& game, const InstallOptions& options);

// Puts back, field by field, what the installed mod changed, all or
// nothing. A field a later mod changed too stays as that mod set it; a
// field changed since by anything else is left alone and named.
RemoveOutcome removeMod(std::string_view name, const std::filesystem::path& game, bool dryRun);

// The installed mods in install order, each with whether its changes
// still hold.
std::vector<InstalledModStatus> installedMods(const std::filesystem::path& game);

// The fields that two of the mods (and, when `game` is not empty, the mods
// installed there) set to different values; the same value twice is none.
std::vector<FieldConflict> modConflicts(const std::vector<Mod>& mods, const std::filesystem::path& game = {});

} // namespace mods
