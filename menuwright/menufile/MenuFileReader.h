// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace menuwright {

// One button entry of a menu file as written: the id byte, the caption
// (as UTF-8) and the rectangle.
struct MenuButton {
    int id = 0;
    std::string caption;
    std::uint16_t L = 0, T = 0, W = 0, H = 0;
    bool operator==(const MenuButton&) const = default;
};

struct MenuFileContents {
    bool hangar = false;
    std::string pictureName; // selection files only
    std::vector<MenuButton> buttons;
};

// Reads back a selection or hangar menu file of the layout the writer
// produces; nothing when the bytes do not follow it.
std::optional<MenuFileContents> readMenuFile(std::span<const std::uint8_t> bytes);

} // namespace menuwright
