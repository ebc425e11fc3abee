// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace mods {

// The run folders of the game's Backups/, oldest name first.
std::vector<std::filesystem::path> backupFolders(const std::filesystem::path& game);

// The files a backup folder holds, below it, '/' between folders.
std::vector<std::string> backedUpFiles(const std::filesystem::path& backup);

struct RestoreOutcome {
    std::vector<std::string> files;      // put back, below the game folder
    std::vector<std::string> modsUndone; // installed mods that changed one of them
};

// Puts every file of a backup folder back where it was in the game, all
// or nothing (each replaced file is backed up first, as every write is).
// A backup made by a mod's install holds Mods/installed.json as it was,
// so the record goes back with the files. Throws IoError naming a file.
RestoreOutcome restoreBackup(const std::filesystem::path& game, const std::filesystem::path& backup, bool dryRun);

} // namespace mods
