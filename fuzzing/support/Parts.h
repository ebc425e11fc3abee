// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace fuzzing {

// Splits a fuzz input that feeds several files: every part but the last is
// a 4-byte little-endian length and that many bytes (cut short at the end of
// the input); the last part is whatever remains. Seeds are joined the same
// way, so that a mutation of one part leaves the others whole.
std::vector<std::span<const std::uint8_t>> splitParts(std::span<const std::uint8_t> input, std::size_t count);
std::vector<std::uint8_t> joinParts(const std::vector<std::vector<std::uint8_t>>& parts);

} // namespace fuzzing
