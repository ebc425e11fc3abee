// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// The game's text files end each line with CR LF. Reading also accepts a
// bare LF (a file edited on another system); a final line without an end is
// still a line, and a final line end does not add an empty one.
std::vector<std::string> splitTextLines(std::string_view text);

// Reads the whole file as raw bytes (no character conversion). Throws IoError.
// A pipe or /dev/stdin is read to its end.
std::string readFileBytes(const std::filesystem::path& path);
// Standard input to its end ("-" on a command line).
std::string readStandardInput();
std::vector<std::string> readTextLines(const std::filesystem::path& path);

// Every line followed by CR LF.
std::string joinCrlfLines(const std::vector<std::string>& lines);

// Writes the lines with CR LF, replacing the file as a whole. Throws IoError.
void writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

} // namespace common
