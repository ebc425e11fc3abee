#pragma once

#include "cli/CommandArguments.h"

namespace vantorcli {

int loadoutDiff(const CommandArguments& arguments);
int loadoutApply(const CommandArguments& arguments);

} // namespace vantorcli
