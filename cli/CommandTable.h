// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Command.h"

#include <string>
#include <vector>

namespace vantorcli {

// Every command vantor has, in the order the usage text lists them.
const std::vector<Command>& commandTable();

// The text vantor --help shows, its command lines made from the table.
std::string usageText();

// The commands of the group named first in `arguments` (one, for a
// one-word command); empty when none is.
std::vector<const Command*> commandGroup(const std::string& group);

// Runs the command `arguments` name, group first. Throws UsageError for a
// subcommand the group does not have; a group's --help lists its commands.
int runCommand(const std::vector<const Command*>& group, const std::vector<std::string>& arguments);

} // namespace vantorcli
