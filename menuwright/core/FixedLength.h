// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace menuwright {

// Plane captions can be widened to one fixed length so that the game shows
// them centred in equal buttons.

// The fixed length typed by the user: the whole-number part of the number
// the text begins with. Nothing when it is below 1 or above 254, which would
// empty every caption or could not be written.
std::optional<int> fixedLengthFromText(std::string_view text);

// The caption centred in `length` characters (the odd blank on the right);
// a longer caption is cut to its first `length` characters.
std::string padFixedLength(std::string_view caption, int length);

} // namespace menuwright
