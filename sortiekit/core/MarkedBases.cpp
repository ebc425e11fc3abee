// SPDX-License-Identifier: GPL-3.0-or-later
#include "MarkedBases.h"

#include "AirfieldFile.h"
#include "BaseSlot.h"

#include "common/core/LittleEndian.h"

namespace sortiekit {

std::array<std::vector<int>, 4> markedBases(std::span<const std::uint8_t> airfieldDat)
{
    std::array<std::vector<int>, 4> marked;
    for (std::size_t k = 0; k < AirfieldFile::kRecordCount; ++k) {
        const std::size_t at = AirfieldFile::kHeaderSize + AirfieldFile::kRecordSize * k;
        if (at + 8 > airfieldDat.size())
            break;
        const std::uint16_t value = common::le::getU16(airfieldDat, at);
        bool allSame = true;
        for (std::size_t j = 2; j < 8; j += 2)
            allSame = allSame && common::le::getU16(airfieldDat, at + j) == value;
        if (!allSame)
            continue;
        for (std::size_t s = 0; s < kBaseSlots.size(); ++s)
            if (kBaseSlots[s].value == value)
                marked[s].push_back(static_cast<int>(k));
    }
    return marked;
}

} // namespace sortiekit
