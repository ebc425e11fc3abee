// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NameList.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ordnix {

// The weapon, plane, location and mount lists, read once at start-up.
struct NameLists {
    NameList weapons{"Weapons.txt", 101};
    NameList planes{"Planes.txt", 51};
    NameList locations{"Locations.txt", 21};
    NameList mounts{"Mounts.txt", 51};
    // One text per list that could not be read whole, for the user.
    std::vector<std::string> problems;
};

// Reads the four lists from `dir` (names found without regard to letter
// case), in the order weapons, planes, locations, mounts. A missing file
// leaves its list empty; a file longer than its list keeps the lines that
// fit. Either is noted in `problems`; nothing throws.
NameLists LoadLists(const std::filesystem::path& dir);

// What LoadLists does with a list file's lines once read: the lines that
// fit become the list's names, and too many are noted in `problems`.
void SetListLines(NameList& list, std::vector<std::string> lines, std::vector<std::string>& problems);

} // namespace ordnix
