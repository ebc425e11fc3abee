// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace mods {

// One field a mod sets, in the text form `vantor flight export` prints.
struct FieldChange {
    std::string record{};
    std::string field{};
    std::string from{}; // as the mod's maker had it
    std::string to{};
    nlohmann::ordered_json unknown = nlohmann::ordered_json::object(); // keys this version does not know, kept
};

} // namespace mods
