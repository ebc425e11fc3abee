// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandProcessor.h"
#include "FailedCommand.h"
#include "Request.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace splashroll {

// One run's choice: the picture number, its file name and the three
// commands that install it, in the order they run.
struct Rotation {
    int index = 0;
    std::string picture;
    std::vector<std::string> commands;
};

// The choice for a seed (the calendar time in whole seconds): runs within
// the same second choose the same picture.
Rotation planRotation(const Request& request, std::uint32_t seed);

// Refuses (Refusal) when the chosen picture is not in `folder`: run from the
// wrong folder, the commands would only delete main2.pic there.
void checkPictureIsThere(const Rotation& rotation, const std::filesystem::path& folder);

// Runs every command in order; a failed one does not stop the next.
// Returns the failed ones in the order they ran.
std::vector<FailedCommand> runRotation(const Rotation& rotation, CommandProcessor& processor);

} // namespace splashroll
