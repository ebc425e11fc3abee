#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace modstest {

using Bytes = std::vector<std::uint8_t>;

// The demo installation, with its flight records and gun table also as
// loose files, as a game modded with Wingsmith holds them.
void writeDemoGame(const std::filesystem::path& game);

// Every file below the folder but the backups, by relative path: what a
// change that must leave nothing behind is compared by.
std::map<std::string, Bytes> folderSnapshot(const std::filesystem::path& folder);

// The game's files only (no Mods/, no Backups/).
std::map<std::string, Bytes> gameSnapshot(const std::filesystem::path& game);

} // namespace modstest
