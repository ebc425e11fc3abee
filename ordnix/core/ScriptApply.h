// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChangeScript.h"
#include "LoadoutImage.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace ordnix {

// Reads a change script's text back: pairs of a position line and a value
// line. Throws LoadoutError naming the line for a position that is not a
// whole number, a position without its value or a position named twice.
std::vector<ChangedByte> ParseScript(std::string_view text);

// Sets the current values the script names. Every change is checked first
// (a position beyond the image, a value that is not a byte throw
// LoadoutError), so a refused script changes nothing.
void ApplyScript(LoadoutImage& image, const std::vector<ChangedByte>& changes);

// The image whose change script turns `oldImage` into `newBytes`: the
// loaded values stay the old bytes, the current ones become the new bytes.
// Throws LoadoutError when the lengths differ, which no script can express.
LoadoutImage DifferenceImage(const LoadoutImage& oldImage, const std::vector<std::uint8_t>& newBytes);

} // namespace ordnix
