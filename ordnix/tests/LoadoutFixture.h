// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ordnix/core/LoadoutImage.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace ordnix::testing {

// Loadout files for tests, built in code or by the demo generator. Offsets
// here are written out by hand from the file layout, apart from the code
// under test.
inline constexpr std::size_t kRecordBase = 4;    // offset of record 0
inline constexpr std::size_t kRecordBytes = 44;
inline constexpr std::size_t kBlocksBase = 7928; // offset of code 0's option block

// Offset of byte `field` of record i.
constexpr std::size_t recordOffset(std::size_t i, std::size_t field = 0)
{
    return kRecordBase + kRecordBytes * i + field;
}

// Offset of slot j's byte `field` in record i.
constexpr std::size_t slotOffset(std::size_t i, std::size_t j, std::size_t field)
{
    return recordOffset(i, 4 + 8 * j + field);
}

// A file of distinct filler bytes with option blocks for codes up to
// `highestCode`, every record having code 0 and no slots in use.
std::vector<std::uint8_t> blankLoadout(std::size_t highestCode = 29);

// Gives records 0, 1, ... the codes listed (the rest keep theirs).
void setCodes(std::vector<std::uint8_t>& bytes, std::initializer_list<int> codes);

// Slot j of record i: weapon, rack, number, location, IFD, DBF.
void setSlot(std::vector<std::uint8_t>& bytes, std::size_t i, std::size_t j, std::initializer_list<int> fields);

LoadoutImage imageOf(const std::vector<std::uint8_t>& bytes);

// Writes the four name lists of the demo into `dir`.
void writeDemoLists(const std::filesystem::path& dir);

} // namespace ordnix::testing
