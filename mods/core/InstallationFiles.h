// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace mods {

// Every regular file of an installation below `root`, by its relative path
// in lower case, mapped to that path as spelt on disk. The tools' own
// Backups/ folder holds copies and Mods/ the mods, not the installation; the file layer's
// scratch files are its own passing state: both left out. Throws IoError
// when the folder cannot be walked.
std::map<std::string, std::string> listInstallationFiles(const std::filesystem::path& root);

// A file's bytes, read to its end.
std::vector<std::uint8_t> readBytes(const std::filesystem::path& path);

} // namespace mods
