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
// two state files. Throws common::IoError when a folder cannot be listed.
std::vector<std::string> buildReportLines(const std::filesystem::path& gameFolder);

// Writes the report, every line ended by CR LF, into the game folder,
// replacing an earlier one; returns its path. Throws common::IoError, in
// which case no earlier report was touched.
std::filesystem::path writeReport(const std::filesystem::path& gameFolder);

} // namespace probewell
