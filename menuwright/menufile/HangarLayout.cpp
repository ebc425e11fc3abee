// SPDX-License-Identifier: GPL-3.0-or-later
#include "HangarLayout.h"

namespace menuwright {

const std::array<std::string, HangarLayout::kRows>& HangarLayout::defaultCaptions()
{
    static const std::array<std::string, kRows> captions{
        "Back", "Arming Board", "Mission Parameters", "View Plane", "Fly Mission"};
    return captions;
}

} // namespace menuwright
