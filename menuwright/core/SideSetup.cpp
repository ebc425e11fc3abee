// SPDX-License-Identifier: GPL-3.0-or-later
#include "SideSetup.h"

namespace menuwright {

const SideSetup& sideSetup(Side side)
{
    static const SideSetup usa{selectionPictureName(Side::USA), selectionMenuFileName(Side::USA), "Germany", "Britain",
        {"P51 D", "P47 D", "P51 B", "P47 C", "P38 H", "P38 J"}};
    static const SideSetup britain{selectionPictureName(Side::Britain), selectionMenuFileName(Side::Britain), "Germany",
        "USA", {"Typhoon", "Spitfire IX", "Spitfire 1A", "Hurricane", "Tempest", "Spitfire XIV"}};
    static const SideSetup axis{selectionPictureName(Side::Axis), selectionMenuFileName(Side::Axis), "Britain", "USA",
        {"Bf 109K", "Bf 109G", "FW 190A", "FW 190D", "Bf 109E", "Me 262A", "Bf 110G", "Bf 110C"}};
    switch (side) {
    case Side::USA: return usa;
    case Side::Britain: return britain;
    case Side::Axis: return axis;
    }
    return usa;
}

} // namespace menuwright
