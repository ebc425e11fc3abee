// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace menuwright {

// The three sides of the game; the numbering is that of the side options.
enum class Side { USA = 0, Britain = 1, Axis = 2 };

// File names by side: the selection menu file, the picture name written
// into it, and the hangar menu file.
std::string selectionMenuFileName(Side side);
std::string selectionPictureName(Side side);
std::string hangarMenuFileName(Side side);

} // namespace menuwright
