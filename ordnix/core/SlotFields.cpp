// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlotFields.h"

#include "ValueText.h"

#include <cmath>

namespace ordnix {

namespace {

int entryOf(const std::string& text, std::size_t count)
{
    const auto value = ToByteValue(text);
    const double number = LeadingNumber(text);
    if (!value || number != std::floor(number) || *value >= count)
        return -1;
    return *value;
}

void applyChoice(std::string& field, int index)
{
    if (index >= 0)
        field = std::to_string(index);
}

} // namespace

void NormaliseSlots(SlotFields& fields)
{
    for (std::size_t j = 0; j < kSlotCount; ++j) {
        SlotChoice& slot = fields.choices[j];
        if (slot.number == "0") {
            slot.weapon = slot.rack = slot.location = 0;
            slot.ifd = slot.dbf = "0";
        } else {
            fields.usedSlots = std::to_string(j + 1);
        }
    }
}

SlotFields SlotFieldsFromRecord(const LoadoutRecord& record, std::size_t weaponCount, std::size_t rackCount,
    std::size_t locationCount)
{
    SlotFields fields;
    fields.usedSlots = record.usedSlots;
    for (std::size_t j = 0; j < kSlotCount; ++j) {
        const WeaponSlot& slot = record.weaponSlots[j];
        SlotChoice& choice = fields.choices[j];
        choice.weapon = entryOf(slot.weapon, weaponCount);
        choice.rack = entryOf(slot.rack, rackCount);
        choice.location = entryOf(slot.location, locationCount);
        choice.number = slot.number;
        choice.ifd = slot.ifd;
        choice.dbf = slot.dbf;
    }
    return fields;
}

void ApplySlotFields(LoadoutRecord& record, const SlotFields& fields)
{
    record.usedSlots = fields.usedSlots;
    for (std::size_t j = 0; j < kSlotCount; ++j) {
        const SlotChoice& choice = fields.choices[j];
        WeaponSlot& slot = record.weaponSlots[j];
        applyChoice(slot.weapon, choice.weapon);
        applyChoice(slot.rack, choice.rack);
        applyChoice(slot.location, choice.location);
        slot.number = choice.number;
        slot.ifd = choice.ifd;
        slot.dbf = choice.dbf;
    }
}

} // namespace ordnix
