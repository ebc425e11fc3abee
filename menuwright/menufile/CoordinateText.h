// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

namespace menuwright {

// A coordinate is held as text and read as the number it begins with:
// leading blanks are skipped, a sign and a decimal fraction are allowed, and
// text that does not begin with a number counts as 0.
double leadingNumber(std::string_view text);

// The whole number a coordinate text stands for: a fraction is rounded to
// the nearest whole number, halves to even (2.5 gives 2, 3.5 gives 4).
double wholeCoordinate(std::string_view text);

// The coordinate as a menu file holds it, or nothing when it is negative or
// above 65535.
std::optional<std::uint16_t> coordinateValue(std::string_view text);

// (low, high) bytes of the coordinate; throws std::out_of_range when the
// value cannot be held in two bytes.
std::pair<std::uint8_t, std::uint8_t> encodeCoordinate(std::string_view text);

} // namespace menuwright
