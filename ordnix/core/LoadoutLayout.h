// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace ordnix {

// Where things lie in loadout.dat. Positions count file bytes from 1, as the
// editor shows them and as change scripts record them.
inline constexpr std::size_t kRecordCount = 180;
inline constexpr std::size_t kRecordSize = 44;
inline constexpr std::size_t kFirstRecordPosition = 5;
inline constexpr std::size_t kSlotCount = 5;
inline constexpr std::size_t kSlotSize = 8;
// Last position of the 180 records.
inline constexpr std::size_t kRecordsEnd = 7924;
// Position of the first byte of aircraft code 0's mission option block.
inline constexpr std::size_t kOptionBlocksStart = 7929;
inline constexpr std::size_t kOptionBlockSize = 60;
inline constexpr std::size_t kMissionEntrySize = 12;
inline constexpr int kMissionCount = 5;
inline constexpr int kOptionCount = 6;

// Position of record i's aircraft code.
constexpr std::size_t RecordStart(std::size_t i)
{
    return kFirstRecordPosition + kRecordSize * i;
}

// First position of the mission option block of aircraft code p.
constexpr std::size_t OptionAnchor(std::size_t planeCode)
{
    return kOptionBlocksStart + kOptionBlockSize * planeCode;
}

// Option count of mission kind t in the block anchored at `anchor`.
constexpr std::size_t OptionCountPosition(std::size_t anchor, int t)
{
    return anchor + 2 + kMissionEntrySize * static_cast<std::size_t>(t) + 1;
}

// Loadout option k (1 ... 6) of mission kind t.
constexpr std::size_t OptionPosition(std::size_t anchor, int t, int k)
{
    return OptionCountPosition(anchor, t) + static_cast<std::size_t>(k);
}

// The last position the editor reads for aircraft code p: option 6 of the
// last mission kind.
constexpr std::size_t LastOptionPosition(std::size_t planeCode)
{
    return OptionPosition(OptionAnchor(planeCode), kMissionCount - 1, kOptionCount);
}

} // namespace ordnix
