// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <filesystem>
#include <map>
#include <string>

namespace common {

struct ProgramRun {
    bool finished = false; // false: it did not end within a minute
    int exitCode = -1;
    std::string standardOutput;
    std::string standardError;
};

// Runs a built program in `workingDir` the way a user starts it, on Qt's
// offscreen platform and without leak reports (Qt's plugins keep caches
// until exit), with `environment` added to the caller's environment; an
// empty value takes the variable out instead.
ProgramRun runProgram(const std::string& executable, const std::filesystem::path& workingDir,
    const QStringList& arguments, const std::map<QString, QString>& environment = {});

// The same under a real file-size limit of `blocks` 512-byte blocks, as
// `ulimit -f` sets it, with SIGXFSZ ignored so that a write past it fails
// with an error instead of ending the program.
ProgramRun runProgramWithFileLimit(const std::string& executable, const std::filesystem::path& workingDir,
    const QStringList& arguments, int blocks, const std::map<QString, QString>& environment = {});

} // namespace common
