// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kitbag/ui/AvailableMod.h"

#include "mods/core/ChangeCheck.h"
#include "mods/core/FieldConflict.h"
#include "mods/core/InstallOutcome.h"
#include "mods/core/InstalledModStatus.h"
#include "mods/core/Mod.h"
#include "mods/core/ModMaker.h"
#include "mods/core/RemoveOutcome.h"

#include <QObject>

#include <filesystem>
#include <string>
#include <vector>

namespace kitbag {

// What Kitbag works on: the game folder, the mods installed there, the
// folders searched for .vmod files and what they hold. Every operation
// goes through the mods core; failures come back as the core's ModError
// or IoError, never as a dialog. `changed` tells the windows to show the
// state again.
class KitbagDocument : public QObject {
    Q_OBJECT

public:
    explicit KitbagDocument(QObject* parent = nullptr);

    const std::filesystem::path& gameFolder() const { return game_; }
    // Takes `game` as the game folder (its Backups/ receive this run's
    // copies) and reads its mods again.
    void setGameFolder(const std::filesystem::path& game);
    // Mods/ below the game folder, where installed and dropped mods live.
    std::filesystem::path modsFolder() const;

    // Folders searched besides the game's Mods/, in the order added.
    const std::vector<std::filesystem::path>& modFolders() const { return folders_; }
    void addModFolder(const std::filesystem::path& folder);
    // Several at once, reading the mods once (the folders of an earlier run).
    void addModFolders(const std::vector<std::filesystem::path>& folders);
    // Only the game's Mods/ is searched from here on.
    void forgetModFolders();

    const std::vector<mods::InstalledModStatus>& installed() const { return installed_; }
    const std::vector<AvailableMod>& available() const { return available_; }
    // Why the record of installed mods could not be read, or empty.
    const std::string& installedError() const { return installedError_; }

    // Reads the installed mods and the .vmod files again.
    void reload();

    // How each change of the mod meets the game.
    std::vector<mods::ChangeCheck> checkChanges(const mods::Mod& mod) const;
    // The fields the mods set differently among themselves or from the
    // installed ones.
    std::vector<mods::FieldConflict> conflictsAmong(const std::vector<mods::Mod>& mods) const;
    // Installs the mod read from `file`; `over` puts it on top of the
    // installed mods where they meet.
    mods::InstallOutcome installFrom(const AvailableMod& file, bool over);
    mods::RemoveOutcome removeInstalled(const std::string& name);

    // The run folders below Backups/, newest name last.
    std::vector<std::filesystem::path> backupFolders() const;
    // The files a backup folder holds, relative to it.
    static std::vector<std::filesystem::path> backedUpFiles(const std::filesystem::path& backup);
    // Copies every file of the backup back over the game's; returns them.
    std::vector<std::filesystem::path> restoreBackup(const std::filesystem::path& backup);

    // Where a mod named `name` is written by makeFromBackup.
    std::filesystem::path madeModFile(const std::string& name) const;
    // Writes Mods/NAME.vmod with the changes made to the game since
    // `backup` was taken; returns what the core made (and could not carry).
    mods::MadeMod makeFromBackup(
        const std::filesystem::path& backup, const std::string& name, const std::string& version);

    // Copies a .vmod file into the game's Mods/; returns the copy.
    std::filesystem::path addModFile(const std::filesystem::path& file);
    std::filesystem::path droppedModTarget(const std::filesystem::path& file) const;

signals:
    void changed();

private:
    std::filesystem::path game_;
    std::vector<std::filesystem::path> folders_;
    std::vector<mods::InstalledModStatus> installed_;
    std::vector<AvailableMod> available_;
    std::string installedError_;
};

} // namespace kitbag
