// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "menuwright/menufile/HangarLayout.h"
#include "menuwright/menufile/MenuFileReader.h"
#include "menuwright/menufile/SelectionLayout.h"

#include <cstddef>
#include <string>
#include <vector>

namespace menuwright {

// The game draws its menus on a 640 x 480 screen.
inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

// The buttons (0-based, in file order) whose rectangle reaches beyond the
// screen: the game would draw them cut off or not at all.
std::vector<std::size_t> buttonsOffScreen(const MenuFileContents& menu);

// One sentence per such button: "button 3 reaches beyond the 640 x 480
// screen (L 600, T 10, W 80, H 20)".
std::vector<std::string> offScreenWarnings(const MenuFileContents& menu);

// What a window's status line adds after writing the menu file of a
// layout: the first sentence above, capitalised, and how many more; empty
// when every button fits.
std::string offScreenNotice(const SelectionLayout& layout);
std::string offScreenNotice(const HangarLayout& layout);

} // namespace menuwright
