#pragma once

#include "menuwright/menufile/MenuFileReader.h"

#include <cstddef>
#include <vector>

namespace menuwright {

// The game draws its menus on a 640 x 480 screen.
inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

// The buttons (0-based, in file order) whose rectangle reaches beyond the
// screen: the game would draw them cut off or not at all.
std::vector<std::size_t> buttonsOffScreen(const MenuFileContents& menu);

} // namespace menuwright
