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

} // namespace ordnix
