// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace splashroll {

inline constexpr std::string_view kDeleteCommand = "del main2.pic";
inline constexpr std::string_view kPublishCommand = "copy main2.pic ..";
// The longest command text that fits the command buffer (the terminating
// zero byte not counted).
inline constexpr std::size_t kCommandBufferLength = 51;
// Beyond this, highest x 32767 leaves signed 32-bit arithmetic.
inline constexpr int kHighestLimit = 65538;

// k = (highest x r) / 32767, truncated towards zero; 0 ... highest for a
// non-negative highest. Needs |highest| <= kHighestLimit.
int pictureIndex(int highest, int r);

// The picture's file name: the stem, a dot and k padded with zeros to three
// characters ("pics.007", "pics.123", "pics.1000"; k = -3 gives "pics.00-3").
std::string pictureFileName(std::string_view stem, int k);

// "copy STEM.NNN main2.pic" followed by a line feed.
std::string copyCommand(std::string_view stem, int k);

} // namespace splashroll
