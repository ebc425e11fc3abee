// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vantorcli {

class CommandArguments;

// vantor mod make|show|check|install|remove|list|conflicts, and restore.
int modMake(const CommandArguments& arguments);
int modShow(const CommandArguments& arguments);
int modCheck(const CommandArguments& arguments);
int modInstall(const CommandArguments& arguments);
int modRemove(const CommandArguments& arguments);
int modList(const CommandArguments& arguments);
int modConflicts(const CommandArguments& arguments);
int restore(const CommandArguments& arguments);

} // namespace vantorcli
