// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace demogen {

// Where the game keeps the image of planes.dat inside DATA.CDF.
inline constexpr std::size_t kDemoGunTableOffset = 1234966;
inline constexpr std::size_t kDemoGunTableSize = 6484;
inline constexpr std::size_t kDemoDataCdfSize = kDemoGunTableOffset + kDemoGunTableSize + 4096;

// The two archives of the flight-model editor, with plausible and varied
// values for the thirty aircraft. Every value shows in the editor exactly as
// stored (whole numbers where it shows whole numbers, short binary fractions
// elsewhere), so loading and exporting an untouched set changes no byte.
std::vector<std::uint8_t> buildDemoFltCdf();
std::vector<std::uint8_t> buildDemoDataCdf();

// Writes FLT.CDF and DATA.CDF (spelled as the game ships them).
void writeWingsmithDemo(const std::filesystem::path& gameDir);

} // namespace demogen
