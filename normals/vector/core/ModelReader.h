// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Model.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace vector {

// Positions inside a model are 16-bit numbers; this is the last one usable.
inline constexpr int kLastModelPosition = 32766;

// Reads a 3dz model over a copy of `previous` (rows past the new counts,
// and the vertex slots of polygon types 0 and 100, keep what it held) and
// returns it; `previous` itself is never touched, so a refused model leaves
// the one shown before intact. Throws ModelReadError for a model outside
// the reader's limits and common::IoError when the file cannot be read.
Model readModel(const std::filesystem::path& folder, const std::string& fileName, const Model& previous);

// The same on the file's bytes; `fileLength` is the length to report when
// `bytes` holds only the addressable start of a longer file.
Model readModelBytes(std::span<const std::uint8_t> bytes, std::uint64_t fileLength, const std::string& fileName,
    const Model& previous);

} // namespace vector
