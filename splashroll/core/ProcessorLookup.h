#pragma once

#include <filesystem>
#include <optional>

namespace splashroll {

// The command processor to hand the commands to: the program COMSPEC
// names, else a CMD.EXE found along PATH (either may be null). Only an
// existing, executable file counts; nullopt when there is none, as on
// ordinary Linux systems.
std::optional<std::filesystem::path> findCommandProcessor(const char* comspec, const char* path);

} // namespace splashroll
