// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ordnix {

// The editor keeps byte values as the text typed; these are the few ways it
// turns such text into numbers.

// The number the text begins with (after leading blanks), 0 when it begins
// with none: "12 x" gives 12, "7.9" gives 7.9, "abc" gives 0.
double LeadingNumber(std::string_view text);

// The byte a whole text stands for when saved: a decimal number, blanks
// around it allowed, rounded to the nearest whole number with halves to
// even, that lies in 0 ... 255. Anything else has no byte.
std::optional<std::uint8_t> ToByteValue(std::string_view text);

// True for exactly the texts a byte loads as: "0" ... "255", no blanks, no
// leading zeros.
bool IsPlainByteText(std::string_view text);

// A whole number as decimal text, for values the editor computes.
std::string WholeNumberText(double value);

} // namespace ordnix
