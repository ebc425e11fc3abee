// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "menuwright/menufile/Side.h"

#include <string>
#include <vector>

namespace menuwright {

// What choosing a side puts into the selection screen: the picture and menu
// file names, the captions of the buttons to the two other sides, and the
// side's built-in aircraft for rows 0-5 (0-7 for the Axis).
struct SideSetup {
    std::string pictureName;
    std::string menuFileName;
    std::string otherSide1;
    std::string otherSide2;
    std::vector<std::string> aircraft;
};

const SideSetup& sideSetup(Side side);

} // namespace menuwright
