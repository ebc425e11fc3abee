// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DemoPicture.h"

#include <filesystem>
#include <string>
#include <vector>

namespace demogen {

// Pictures of the selection and hangar screens for the menu tools, with the
// layout text files that place the buttons on them. The pictures are drawn
// here; nothing comes from the game.

enum class MenuDemoSide { USA, Britain, Axis };

struct DemoButton {
    std::string caption;
    int left = 0, top = 0, width = 0, height = 0;
};

inline constexpr const char* kDemoUsaPicture = "select_usa.bmp";
inline constexpr const char* kDemoBritainPicture = "select_britain.jpg";
inline constexpr const char* kDemoAxisPicture = "select_axis.gif";
inline constexpr const char* kDemoHangarPicture = "hangar.bmp";
inline constexpr const char* kDemoUsaLayout = "layout_usa.txt";         // every line, 45 lines
inline constexpr const char* kDemoBritainLayout = "layout_britain.txt"; // non-empty fields only
inline constexpr const char* kDemoAxisLayout = "layout_axis.txt";       // every line, 55 lines
inline constexpr const char* kDemoHangarLayout = "layout_hangar.txt";   // 25 lines

// The eleven rows of a selection screen as drawn (rows 6 and 7 are empty
// but for the Axis), and the five hangar buttons.
std::vector<DemoButton> demoSelectionButtons(MenuDemoSide side);
std::vector<DemoButton> demoHangarButtons();

DemoPicture drawSelectionScreen(MenuDemoSide side);
DemoPicture drawHangarScreen();

// Layout text files with CR LF line ends: five lines per row (caption, L,
// T, W, H). `nonEmptyOnly` leaves out empty fields, as the selection table
// writes them; otherwise rows 6-7 are written for the Axis only.
std::string buildSelectionLayoutText(MenuDemoSide side, bool nonEmptyOnly);
std::string buildHangarLayoutText();

void writeMenuDemo(const std::filesystem::path& gameDir);

} // namespace demogen
