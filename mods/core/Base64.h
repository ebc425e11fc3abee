// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mods {

// Standard base64 with padding, as a mod carries a whole file.
std::string base64Encode(std::span<const std::uint8_t> bytes);
// Nothing when the text is not such base64 (a wrong letter, a missing or
// misplaced '='); no line breaks are allowed.
std::optional<std::vector<std::uint8_t>> base64Decode(std::string_view text);

} // namespace mods
