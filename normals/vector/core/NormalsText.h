// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Model.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vector {

// The header line: ";normal" and the axis names in print zones of 14.
std::string normalsHeader();

// "Nnnn=" and the six element values right-aligned in 7 characters each.
std::string normalsLine(int element, const ElementRecord& values);

// Header and one line per element; `progress` hears each element index.
std::vector<std::string> normalsText(const Model& model, const std::function<void(int)>& progress = {});

// Creates or replaces the file (CR LF line ends). Throws common::IoError.
void writeNormalsText(const std::filesystem::path& path, const Model& model,
    const std::function<void(int)>& progress = {});

} // namespace vector
