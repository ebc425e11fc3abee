// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandArguments.h"

namespace vantorcli {

int menuMake(const CommandArguments& arguments);

} // namespace vantorcli
