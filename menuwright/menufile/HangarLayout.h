// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ButtonRow.h"

#include <array>
#include <string>

namespace menuwright {

// One hangar screen: five buttons in a fixed order.
struct HangarLayout {
    static constexpr int kRows = 5;

    std::array<ButtonRow, kRows> rows;

    // "Back", "Arming Board", "Mission Parameters", "View Plane", "Fly Mission".
    static const std::array<std::string, kRows>& defaultCaptions();
};

} // namespace menuwright
