// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace vantorcli {

// The JSON vantor writes: four spaces a level, keys in sorted order, a
// whole number without a decimal point, other numbers in their shortest
// exact form, text as UTF-8 with each byte that is not UTF-8 made U+FFFD.
std::string jsonText(const nlohmann::json& value);

} // namespace vantorcli
