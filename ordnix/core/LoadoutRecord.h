// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoadoutImage.h"
#include "LoadoutLayout.h"

#include <array>
#include <cstddef>
#include <string>

namespace ordnix {

// One weapon slot of a record, as the current value texts of its bytes.
struct WeaponSlot {
    std::string weapon;
    std::string rack;
    std::string number; // "0": the slot is not in use
    std::string location;
    std::string ifd;
    std::string dbf;

    bool operator==(const WeaponSlot& other) const = default;
};

// The fields of a 44-byte loadout record the editor reads and writes; the
// bytes in between are never touched.
struct LoadoutRecord {
    std::string planeCode;
    std::string usedSlots;
    std::array<WeaponSlot, kSlotCount> weaponSlots;

    bool operator==(const LoadoutRecord& other) const = default;
};

LoadoutRecord ReadRecord(const LoadoutImage& image, std::size_t i);
void WriteRecord(LoadoutImage& image, std::size_t i, const LoadoutRecord& record);

} // namespace ordnix
