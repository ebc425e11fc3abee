// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutFixture.h"

#include "tools/demogen/OrdnixDemo.h"

#include "common/core/TextLines.h"
#include "common/testing/TempDir.h"

namespace ordnix::testing {

std::vector<std::uint8_t> blankLoadout(std::size_t highestCode)
{
    std::vector<std::uint8_t> bytes(kBlocksBase + 60 * (highestCode + 1) + 7);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 7 + 3) % 251);
    for (std::size_t i = 0; i < 180; ++i) {
        bytes[recordOffset(i, 0)] = 0;
        bytes[recordOffset(i, 2)] = 0;
        for (std::size_t j = 0; j < 5; ++j)
            for (std::size_t f : {0, 1, 2, 3, 4, 6})
                bytes[slotOffset(i, j, f)] = 0;
    }
    return bytes;
}

void setCodes(std::vector<std::uint8_t>& bytes, std::initializer_list<int> codes)
{
    std::size_t i = 0;
    for (int code : codes)
        bytes[recordOffset(i++)] = static_cast<std::uint8_t>(code);
}

void setSlot(std::vector<std::uint8_t>& bytes, std::size_t i, std::size_t j, std::initializer_list<int> fields)
{
    const std::size_t offsets[] = {0, 1, 2, 3, 4, 6};
    std::size_t n = 0;
    for (int value : fields)
        bytes[slotOffset(i, j, offsets[n++])] = static_cast<std::uint8_t>(value);
}

LoadoutImage imageOf(const std::vector<std::uint8_t>& bytes)
{
    return LoadoutImage(bytes, "loadout.dat");
}

void writeDemoLists(const std::filesystem::path& dir)
{
    common::writeAllText(dir / "Weapons.txt", common::joinCrlfLines(demogen::demoWeaponNames()));
    common::writeAllText(dir / "Planes.txt", common::joinCrlfLines(demogen::demoPlaneNames()));
    common::writeAllText(dir / "Locations.txt", common::joinCrlfLines(demogen::demoLocationNames()));
    common::writeAllText(dir / "Mounts.txt", common::joinCrlfLines(demogen::demoMountNames()));
}

} // namespace ordnix::testing
