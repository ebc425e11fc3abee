// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace demogen {

// The picture folder of the main-screen rotator, inside the game folder.
inline constexpr std::string_view kDemoSplashFolder = "Splash";
inline constexpr std::string_view kDemoSplashStem = "stem";
inline constexpr int kDemoSplashHighest = 5;

// Picture `index` of the series: a small 24-bit BMP in a colour of its own
// with index + 1 white squares, so every picture differs from the others.
std::vector<std::uint8_t> buildDemoSplashPicture(int index);

// Writes Splash/stem.000 ... stem.005, Splash/main2.pic and the game
// folder's main2.pic (both a copy of stem.000, as after an earlier run).
void writeSplashrollDemo(const std::filesystem::path& gameDir);

} // namespace demogen
