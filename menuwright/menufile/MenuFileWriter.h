// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HangarLayout.h"
#include "SelectionLayout.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace menuwright {

// The game's binary menu layout files. Building checks every text and
// coordinate first and throws MenuFileError before any byte is produced;
// writing replaces the file whole (never leaving a partial one) and throws
// common::IoError when the disk refuses.

std::vector<std::uint8_t> buildSelectionFile(const SelectionLayout& layout);
std::vector<std::uint8_t> buildHangarFile(const HangarLayout& layout);

void writeSelectionFile(const std::filesystem::path& path, const SelectionLayout& layout);
void writeHangarFile(const std::filesystem::path& path, const HangarLayout& layout);

} // namespace menuwright
