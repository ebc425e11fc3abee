#pragma once

#include "cli/CommandArguments.h"

namespace vantorcli {

int report(const CommandArguments& arguments);

} // namespace vantorcli
