// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoadoutField.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ordnix {

// A byte the editor reads, by the name a comparison reports it under.
struct NamedPosition {
    std::string field;
    std::size_t position = 0;
};

// The mission kinds of an option block, in block order, as field names.
inline constexpr std::array<const char*, 5> kMissionFieldNames{
    "escort", "sweep", "bombingMission", "intercept", "interdiction"};

// The bytes ReadRecord reads of record i: "planeCode", "usedSlots" and
// "slot1.weapon" ... "slot5.dbf".
std::vector<NamedPosition> RecordFieldPositions(std::size_t i);

// The bytes ReadMission reads of the option block of aircraft code p, every
// mission kind in order: "escort.count", "escort.option1" ... "escort.option6",
// "sweep.count" ...
std::vector<NamedPosition> MissionFieldPositions(std::size_t planeCode);

// The field at `position`, among the records' fields and the option blocks
// of the codes a byte can hold (0 ... 255); none for a byte the editor does
// not read.
std::optional<LoadoutField> FieldAt(std::size_t position);

} // namespace ordnix
