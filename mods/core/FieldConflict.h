// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mods {

// One field two mods set to different values.
struct FieldConflict {
    std::string file{};
    std::string record{}; // empty for a whole file
    std::string field{};
    std::string modA{};
    std::string valueA{};
    std::string modB{};
    std::string valueB{};
};

} // namespace mods
