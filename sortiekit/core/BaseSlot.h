// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace sortiekit {

// One of the four bases the game flies from: its heading in the window,
// the value airfield.dat marks its airfield with, and the airbase.txt
// entry chosen when the program starts.
struct BaseSlot {
    const char* heading;
    std::uint8_t value;
    int preselected;
};

// In the order they are written: a later slot wins an airfield chosen twice.
inline constexpr std::array<BaseSlot, 4> kBaseSlots{{
    {"Allied Base 1", 7, 98},
    {"Allied  Base 2", 9, 63},
    {"Luftwaffe Base 1", 2, 158},
    {"Luftwaffe Base 2", 2, 7},
}};

} // namespace sortiekit
