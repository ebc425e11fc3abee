#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace common {

// Before a program first changes or removes an existing file in a run, the
// file layer copies it whole into Backups/PROGRAM-YYYYMMDD-HHMMSS/ in the
// game folder (the file keeps its path below that folder), or beside the
// file where it lies outside the game folder or the program has none. One
// folder a run; a run that changes nothing makes none. Programs start it
// once; until then (core tests, the demo generator) nothing is backed up.
class RunBackups {
public:
    static void start(std::string program, std::filesystem::path gameFolder = {});
    static void setGameFolder(std::filesystem::path gameFolder);
    // Forgets the run (tests): nothing is backed up afterwards.
    static void stop();
    static bool active();

    // Makes the backup of `file` unless this run made one already or the
    // file does not exist. Throws IoError (with a sentence saying that the
    // change was refused) when the copy cannot be made.
    static void beforeChange(const std::filesystem::path& file);

    // How many files this run has backed up so far.
    static int count();
    // The run's backup folder that received the latest backup, if any.
    static std::optional<std::filesystem::path> lastFolder();
    // Where this run's copy of `file` lies, if one was made.
    static std::optional<std::filesystem::path> backupOf(const std::filesystem::path& file);
};

} // namespace common
