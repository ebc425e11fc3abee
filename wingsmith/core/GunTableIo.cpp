// SPDX-License-Identifier: GPL-3.0-or-later
#include "GunTableIo.h"

#include "FieldDecoding.h"
#include "FltRecord.h"

#include <algorithm>

namespace wingsmith {

namespace {
std::uint64_t groupBase(std::uint64_t base, int g)
{
    return base + GunTableRow::kGroups + GunTableRow::kGroupSize * static_cast<std::uint64_t>(g);
}

template <typename Sink>
void writeRow(Sink& file, std::uint64_t base, const PlanesValues& values)
{
    file.writeI16(base + GunTableRow::kGroupCount, values.gunGroupCount);
    const int groups = usableGroupCount(values.gunGroupCount);
    for (int g = 0; g < groups; ++g) {
        const auto& group = values.planesGunGroups[static_cast<std::size_t>(g)];
        const auto at = groupBase(base, g);
        file.writeI16(at + 0, group.guns);
        file.writeI16(at + 2, group.position);
        file.writeI16(at + 4, group.caliber);
        file.writeI16(at + 6, group.ammo);
        file.writeI16(at + 8, group.sound);
        file.writeI16(at + 10, group.smoke);
    }
    for (std::size_t i = 0; i < values.typeFlags.size(); ++i)
        file.writeU8(base + GunTableRow::kTypeFlags + i, values.typeFlags[i]);
    for (std::size_t i = 0; i < values.hitPoints.size(); ++i)
        file.writeU8(base + GunTableRow::kHitPoints + i, values.hitPoints[i]);
}
} // namespace

void decodeGunTableRow(std::span<const std::uint8_t> bytes, std::uint64_t base, PlanesValues& values)
{
    values.gunGroupCount = fields::i16(bytes, base + GunTableRow::kGroupCount);
    const int groups = usableGroupCount(values.gunGroupCount);
    for (int g = 0; g < groups; ++g) {
        auto& group = values.planesGunGroups[static_cast<std::size_t>(g)];
        const auto at = groupBase(base, g);
        group.guns = fields::i16(bytes, at + 0);
        group.position = fields::i16(bytes, at + 2);
        group.caliber = fields::i16(bytes, at + 4);
        group.ammo = fields::i16(bytes, at + 6);
        group.sound = fields::i16(bytes, at + 8);
        group.smoke = fields::i16(bytes, at + 10);
    }
    for (std::size_t i = 0; i < values.typeFlags.size(); ++i)
        values.typeFlags[i] = fields::u8(bytes, base + GunTableRow::kTypeFlags + i);
    for (std::size_t i = 0; i < values.hitPoints.size(); ++i)
        values.hitPoints[i] = fields::u8(bytes, base + GunTableRow::kHitPoints + i);
}

void readGunTableRow(common::BinaryFile& file, std::uint64_t base, PlanesValues& values)
{
    decodeGunTableRow(fields::readUpTo(file, base, GunTableRow::kSize), 0, values);
}

void writeGunTableRow(common::BinaryFile& file, std::uint64_t base, const PlanesValues& values)
{
    writeRow(file, base, values);
}

void writeGunTableRow(RecordBytes& bytes, std::uint64_t base, const PlanesValues& values)
{
    writeRow(bytes, base, values);
}

std::uint64_t gunTableRowExtent(const PlanesValues& values)
{
    const auto groups = static_cast<std::uint64_t>(usableGroupCount(values.gunGroupCount));
    return std::max<std::uint64_t>(GunTableRow::kGroupCount + 2, GunTableRow::kGroups + GunTableRow::kGroupSize * groups);
}

} // namespace wingsmith
