// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace mods {

// The SHA-256 digest of the bytes as 64 lower-case hexadecimal digits: how
// a mod names the file it replaces.
std::string sha256Hex(std::span<const std::uint8_t> bytes);

} // namespace mods
