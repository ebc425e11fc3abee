// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandArguments.h"

#include "wingsmith/core/AircraftCatalogue.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vantorcli {

// The values of an installation the game does not know, one line each:
// coded aircraft fields outside their lists, numbers outside their ranges,
// loadout records whose aircraft is beyond planes.txt, menu buttons off the
// 640 x 480 screen. Reads only. The aircraft's fields are `aircraft`'s.
std::vector<std::string> checkInstallation(const std::filesystem::path& game,
    const wingsmith::AircraftCatalogue& aircraft = wingsmith::AircraftCatalogue::program());

// vantor check GAME: those lines; exit 0 when there are none, 1 when there
// are (nothing is refused or changed), 2 when the folder cannot be read.
int check(const CommandArguments& arguments);

} // namespace vantorcli
