// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mods {

// A field an installed mod set: the value it found, and the value it put.
// When a later mod set the field too, that mod's `before` is this `after`,
// so that the entries of one field form a stack in install order.
struct InstalledField {
    std::string file{}; // as the mod named it
    std::string record{};
    std::string field{};
    std::string before{};
    std::string after{};
};

} // namespace mods
