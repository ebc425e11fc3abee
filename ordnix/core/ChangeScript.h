// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoadoutImage.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace ordnix {

struct ChangedByte {
    std::size_t position;
    std::string value; // the current value text, exactly as held
};

// The positions, in order, whose current value text differs from the loaded
// one (a plain text comparison: "03" differs from "3").
std::vector<ChangedByte> ChangedBytes(const LoadoutImage& image);

// Writes the change script of the image to `path` under exactly that name:
// per changed byte a line with its position and a line with its value, each
// ended by CR LF. An unedited image gives an empty file. Throws
// common::IoError; a failed write leaves an existing file as it was.
void WriteScript(const LoadoutImage& image, const std::filesystem::path& path);

// The text file at `path`, each line followed by CR LF. Throws
// common::IoError.
std::string ReadText(const std::filesystem::path& path);

} // namespace ordnix
