// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoadoutLayout.h"
#include "LoadoutRecord.h"

#include <array>
#include <cstddef>
#include <string>

namespace ordnix {

// What the slot editor holds for one slot: the chosen entries of the three
// choice lists (-1: none chosen) and the three typed texts.
struct SlotChoice {
    int weapon = 0;
    int rack = 0;
    int location = 0;
    std::string number = "0";
    std::string ifd = "0";
    std::string dbf = "0";
};

// The slot editor: "Number of blocks" and the five slots.
struct SlotFields {
    std::string usedSlots;
    std::array<SlotChoice, kSlotCount> choices;
};

// Tidies the editor: a slot whose number is exactly "0" is reset to entry 0
// and "0"; otherwise the number of blocks becomes that slot's number (1-5),
// so it ends as the last slot in use, or stays as it was when none is.
void NormaliseSlots(SlotFields& fields);

// The editor contents for a record; a code beyond its list, or one that is
// not a whole number, chooses no entry (-1).
SlotFields SlotFieldsFromRecord(const LoadoutRecord& record, std::size_t weaponCount, std::size_t rackCount,
    std::size_t locationCount);

// Puts the editor contents into a record. A choice list with no entry chosen
// leaves its byte as the record holds it.
void ApplySlotFields(LoadoutRecord& record, const SlotFields& fields);

} // namespace ordnix
