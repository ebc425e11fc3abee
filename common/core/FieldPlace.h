// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace common {

// One field of one record in a file's bytes, under the names that stay the
// same from file to file: mods, diffs and checks name it so.
struct FieldPlace {
    std::string record; // "P51D", "record 3", "button 2"
    std::string field;  // "engineBestAltitude", "gun2.ammo"
    std::size_t offset = 0;
    std::size_t width = 0;
    // False for bytes the game keeps but does not read as things stand (a
    // gun group beyond the aircraft's group count).
    bool inUse = true;
};

} // namespace common
