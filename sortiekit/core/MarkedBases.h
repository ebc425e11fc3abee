// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace sortiekit {

// The airfields an airfield.dat marks as bases: per base slot (in the order
// of kBaseSlots) the record numbers whose four slot values all hold that
// slot's value. The two Luftwaffe slots share a value, so both list every
// airfield marked with it.
std::array<std::vector<int>, 4> markedBases(std::span<const std::uint8_t> airfieldDat);

} // namespace sortiekit
