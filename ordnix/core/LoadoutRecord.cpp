// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutRecord.h"

namespace ordnix {

namespace {

// Offsets of the slot fields within a slot.
constexpr std::size_t kWeapon = 0, kRack = 1, kNumber = 2, kLocation = 3, kIfd = 4, kDbf = 6;

std::size_t slotStart(std::size_t i, std::size_t j)
{
    return RecordStart(i) + 4 + kSlotSize * j;
}

} // namespace

LoadoutRecord ReadRecord(const LoadoutImage& image, std::size_t i)
{
    LoadoutRecord record;
    const std::size_t p0 = RecordStart(i);
    record.planeCode = image.currentText(p0);
    record.usedSlots = image.currentText(p0 + 2);
    for (std::size_t j = 0; j < kSlotCount; ++j) {
        const std::size_t s = slotStart(i, j);
        WeaponSlot& slot = record.weaponSlots[j];
        slot.weapon = image.currentText(s + kWeapon);
        slot.rack = image.currentText(s + kRack);
        slot.number = image.currentText(s + kNumber);
        slot.location = image.currentText(s + kLocation);
        slot.ifd = image.currentText(s + kIfd);
        slot.dbf = image.currentText(s + kDbf);
    }
    return record;
}

void WriteRecord(LoadoutImage& image, std::size_t i, const LoadoutRecord& record)
{
    const std::size_t p0 = RecordStart(i);
    image.setCurrent(p0, record.planeCode);
    image.setCurrent(p0 + 2, record.usedSlots);
    for (std::size_t j = 0; j < kSlotCount; ++j) {
        const std::size_t s = slotStart(i, j);
        const WeaponSlot& slot = record.weaponSlots[j];
        image.setCurrent(s + kWeapon, slot.weapon);
        image.setCurrent(s + kRack, slot.rack);
        image.setCurrent(s + kNumber, slot.number);
        image.setCurrent(s + kLocation, slot.location);
        image.setCurrent(s + kIfd, slot.ifd);
        image.setCurrent(s + kDbf, slot.dbf);
    }
}

} // namespace ordnix
