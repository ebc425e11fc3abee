// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace splashroll {

// A command that failed, and why where the processor says.
struct FailedCommand {
    std::string command; // without its line feed
    std::string reason;
};

} // namespace splashroll
