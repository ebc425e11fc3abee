// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandArguments.h"

namespace vantorcli {

int basesShow(const CommandArguments& arguments);
int basesSet(const CommandArguments& arguments);
int basesStandard(const CommandArguments& arguments);

} // namespace vantorcli
