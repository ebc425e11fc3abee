// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "menuwright/menufile/Side.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace menuwright {

// What the rectangle locator concludes from the length of a layout text file
// before reading it: 55 lines or more is an Axis file; a warning (its lines)
// when the file looks bad or the side options do not fit it. The warning
// never stops the reading.
struct TextfileCheck {
    bool axisFile = false;
    std::vector<std::string> warning;
};

TextfileCheck checkLayoutTextLength(std::size_t lineCount, std::optional<Side> selectedSide);

} // namespace menuwright
