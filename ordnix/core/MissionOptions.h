// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoadoutImage.h"
#include "LoadoutLayout.h"

#include <array>
#include <cstddef>
#include <string>

namespace ordnix {

// The option count and the six loadout options of one mission kind in an
// aircraft's option block, with the positions they lie at.
struct MissionOptions {
    std::size_t countPosition = 0;
    std::string count;
    std::array<std::size_t, kOptionCount> optionPositions{};
    std::array<std::string, kOptionCount> options;

    bool operator==(const MissionOptions& other) const = default;
};

// Mission kind t (0 Escort ... 4 Interdiction) of the block at `anchor`.
MissionOptions ReadMission(const LoadoutImage& image, std::size_t anchor, int t);

// The values StoreMission stores for `edited`.
MissionOptions StoredMission(const MissionOptions& edited);

// Stores edited values at the positions of `edited`: the count as typed,
// each option as the whole number its text begins with, rounded down.
// Throws std::out_of_range, storing nothing, when a position lies beyond
// the image.
void StoreMission(LoadoutImage& image, const MissionOptions& edited);

} // namespace ordnix
