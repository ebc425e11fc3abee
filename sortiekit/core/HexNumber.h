// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sortiekit {

// The airfield number of airbase.txt, written in hexadecimal the way the
// game's lists were always read: outer spaces are dropped, then every
// character takes a hexadecimal place, and one that is no hex digit adds
// nothing to its place (so "1 2" reads as 0x102 = 258). Empty when the
// value does not fit in a signed 16-bit number.
std::optional<std::int16_t> hexFieldValue(std::string_view text);

} // namespace sortiekit
