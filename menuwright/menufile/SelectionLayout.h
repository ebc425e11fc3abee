// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ButtonRow.h"
#include "Side.h"

#include <array>
#include <string>

namespace menuwright {

// One aircraft-selection screen. Rows 0-5 hold the side's aircraft, 6-7 two
// more used only by the Axis, 8-9 the buttons to the other sides' screens and
// 10 the exit button.
struct SelectionLayout {
    static constexpr int kRows = 11;

    std::string pictureName;
    Side side = Side::USA;
    std::array<ButtonRow, kRows> rows;
};

} // namespace menuwright
