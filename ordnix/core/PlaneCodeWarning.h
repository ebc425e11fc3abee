// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace ordnix {

// A loadout record whose aircraft code has no line in the plane list.
struct PlaneCodeWarning {
    std::size_t record = 0; // 1-180, as the editor numbers them
    std::size_t position = 0;
    std::string code;
};

} // namespace ordnix
