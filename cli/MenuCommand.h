#pragma once

#include "cli/CommandArguments.h"

namespace vantorcli {

int menuMake(const CommandArguments& arguments);

} // namespace vantorcli
