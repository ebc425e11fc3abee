// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace splashroll {

// The command processor to hand the commands to: the program COMSPEC
// names, else a CMD.EXE found along PATH (either may be unset; both UTF-8). Only an
// existing, executable file counts; nullopt when there is none, as on
// ordinary Linux systems.
std::optional<std::filesystem::path> findCommandProcessor(
    const std::optional<std::string>& comspec, const std::optional<std::string>& path);

} // namespace splashroll
