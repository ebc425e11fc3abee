#include "GunTableIo.h"

#include "FltRecord.h"

#include <algorithm>

namespace wingsmith {

namespace {
std::uint64_t groupBase(std::uint64_t base, int g)
{
    return base + GunTableRow::kGroups + GunTableRow::kGroupSize * static_cast<std::uint64_t>(g);
}
} // namespace

void readGunTableRow(common::BinaryFile& file, std::uint64_t base, PlanesValues& values)
{
    values.gunGroupCount = file.readI16(base + GunTableRow::kGroupCount);
    const int groups = usableGroupCount(values.gunGroupCount);
    for (int g = 0; g < groups; ++g) {
        auto& group = values.planesGunGroups[static_cast<std::size_t>(g)];
        const auto at = groupBase(base, g);
        group.guns = file.readI16(at + 0);
        group.position = file.readI16(at + 2);
        group.caliber = file.readI16(at + 4);
        group.ammo = file.readI16(at + 6);
        group.sound = file.readI16(at + 8);
        group.smoke = file.readI16(at + 10);
    }
    for (std::size_t i = 0; i < values.typeFlags.size(); ++i)
        values.typeFlags[i] = file.readU8(base + GunTableRow::kTypeFlags + i);
    for (std::size_t i = 0; i < values.hitPoints.size(); ++i)
        values.hitPoints[i] = file.readU8(base + GunTableRow::kHitPoints + i);
}

void writeGunTableRow(common::BinaryFile& file, std::uint64_t base, const PlanesValues& values)
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

std::uint64_t gunTableRowExtent(const PlanesValues& values)
{
    const auto groups = static_cast<std::uint64_t>(usableGroupCount(values.gunGroupCount));
    return std::max<std::uint64_t>(GunTableRow::kGroupCount + 2, GunTableRow::kGroups + GunTableRow::kGroupSize * groups);
}

} // namespace wingsmith
