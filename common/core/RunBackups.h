// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace common {

// Before a program first changes or removes an existing file in a run, the
// file layer copies it whole into Backups/PROGRAM-YYYYMMDD-HHMMSS/ in the
// game folder (the file keeps its path below that folder), or beside the
// file where it lies outside the game folder or the program has none. The
// run's folder is its own: made exclusively, with "-2", "-3", ... when a
// run in the same second has the name. A run that changes nothing makes
// none; nor does a change that was put back. A file this run created is not
// backed up when it changes again: it was never the user's. Programs start
// it once; until then (core tests, the demo generator) nothing is backed up.
class RunBackups {
public:
    static void start(std::string program, std::filesystem::path gameFolder = {});
    static void setGameFolder(std::filesystem::path gameFolder);
    // Forgets the run (tests): nothing is backed up afterwards.
    static void stop();
    static bool active();
    // The game folder, absolute; empty when the program has none.
    static std::filesystem::path gameFolderAbsolute();

    // Makes the backup of `file` unless this run made one already, created
    // the file, or the file does not exist. Throws IoError (with a sentence
    // saying that the change was refused) when the copy cannot be made; a
    // folder made for it is then removed again.
    static void beforeChange(const std::filesystem::path& file);
    // `file` did not exist before this run made it.
    static void noteCreated(const std::filesystem::path& file);

    // What the run had backed up and created at a point, so that an
    // operation that was put back can take its backups with it.
    struct Mark {
        std::size_t records = 0;
    };
    static Mark mark();
    static void dropSince(Mark mark);

    // How many files this run has backed up so far.
    static int count();
    // The run's backup folder that received the latest backup, if any.
    static std::optional<std::filesystem::path> lastFolder();
    // Where this run's copy of `file` lies, if one was made.
    static std::optional<std::filesystem::path> backupOf(const std::filesystem::path& file);
};

} // namespace common
