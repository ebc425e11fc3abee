// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace common {

// Runs a writer against the files of `folder` with each of its file
// operations failing in turn (see FileFaults) and checks what a user must be
// able to rely on: the operation is all or nothing (every file byte-identical
// to before, nothing else but Backups/), the failure's message names
// `expectedName` (or one of several names separated by '|'), and the same
// action then succeeds. Then the writer is killed, in a child process, at
// each of the same operations: after the next program has looked at the
// folder, every file is as before or every file as after, and the next run
// completes the change and leaves no scratch file. Before each run the folder is put back as it
// was. Kinds with more than `maxPerKind` operations are sampled evenly
// (first and last included). Reports through GoogleTest; returns how many
// runs with a failing operation it made. An action that wants backups starts its run
// (RunBackups::start) itself, so that every run makes them.
// `sameNextRun` false: the next run's result may differ from the first
// (a report that lists the folders, Backups/ among them).
int walkWriteFailures(const std::filesystem::path& folder, const std::function<void()>& action,
    const std::string& expectedName, int maxPerKind = 24, bool sameNextRun = true);

} // namespace common
