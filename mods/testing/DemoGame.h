#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace modstest {

using Bytes = std::vector<std::uint8_t>;

// The demo installation as a game the tools have been used on holds it:
// the flight records and gun table also as loose files, as Wingsmith takes
// them out of their archives. With `everyTool`, also airfield.dat with the
// bases Sortiekit offers first and the six menu files Menuwright writes
// from the demo's layouts, which a fresh installation lacks.
void writeDemoGame(const std::filesystem::path& game, bool everyTool = false);

// Every file below the folder but the backups, by relative path: what a
// change that must leave nothing behind is compared by.
std::map<std::string, Bytes> folderSnapshot(const std::filesystem::path& folder);

// The game's files only (no Mods/, no Backups/).
std::map<std::string, Bytes> gameSnapshot(const std::filesystem::path& game);

} // namespace modstest
