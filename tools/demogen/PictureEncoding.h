// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DemoPicture.h"

#include <cstdint>
#include <vector>

namespace demogen {

// The three picture formats the menu tools load, written without any
// picture library so that the generator stays plain C++.

// Uncompressed 24-bit Windows bitmap.
std::vector<std::uint8_t> encodeBmp(const DemoPicture& picture);
// GIF89a: the picture's own colours when there are at most 256, else a
// 252-colour cube (6 x 7 x 6 levels).
std::vector<std::uint8_t> encodeGif(const DemoPicture& picture);
// Baseline JPEG, YCbCr without subsampling.
std::vector<std::uint8_t> encodeJpeg(const DemoPicture& picture);

} // namespace demogen
