#pragma once

#include "cli/CommandArguments.h"

namespace vantorcli {

int diff(const CommandArguments& arguments);

} // namespace vantorcli
