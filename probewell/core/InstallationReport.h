// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace probewell {

inline constexpr std::string_view kReportFileName = "Probewell.txt";
inline constexpr std::string_view kAddonFolderName = "Nimbar";

// The add-on folder inside the game folder, whatever the letter case of its
// name; nullopt when there is none.
std::optional<std::filesystem::path> findAddonFolder(const std::filesystem::path& gameFolder);

// The lines of the report on `gameFolder` as they stand now. A missing
// add-on folder gives empty add-on listings and the "No ..." lines of its
// two state files. A folder that cannot be listed gets, in place of its
// listing, one line naming it and the failure; the same line goes into
// `problems` when given, and the rest of the report is still made.
std::vector<std::string> buildReportLines(
    const std::filesystem::path& gameFolder, std::vector<std::string>* problems = nullptr);

// The report's section for a state file that was read: its header (the
// title in upper case), the file's text as lines, a blank line.
std::vector<std::string> stateFileSection(std::string_view title, std::string_view text);

// Writes the report, every line ended by CR LF, into the game folder,
// replacing an earlier one; returns its path. Throws common::IoError when
// the report itself cannot be written, in which case no earlier report was
// touched; `problems` as above.
std::filesystem::path writeReport(
    const std::filesystem::path& gameFolder, std::vector<std::string>* problems = nullptr);

} // namespace probewell
