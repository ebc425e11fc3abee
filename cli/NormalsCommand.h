#pragma once

#include "cli/CommandArguments.h"

namespace vantorcli {

int normals(const CommandArguments& arguments);

} // namespace vantorcli
