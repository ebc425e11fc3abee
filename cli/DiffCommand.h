// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandArguments.h"

namespace vantorcli {

int diff(const CommandArguments& arguments);

} // namespace vantorcli
