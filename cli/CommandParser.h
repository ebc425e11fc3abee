// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Command.h"
#include "cli/CommandArguments.h"

#include <optional>
#include <string>
#include <vector>

namespace vantorcli {

// Parses a command's arguments as its table entry describes them, with
// -h/--help added. Options take one dash or two (-o, --output, -output),
// a value after = or as the next argument, and -- ends them. Returns
// nothing when --help was asked for (the help is printed); throws
// UsageError for unknown options, a missing or unexpected value, or a
// wrong number of arguments.
std::optional<CommandArguments> parseCommand(const Command& command, const std::vector<std::string>& arguments);

// The command's --help text.
std::string helpText(const Command& command);

} // namespace vantorcli
