// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandArguments.h"

#include "wingsmith/core/AircraftCatalogue.h"

namespace vantorcli {

int diff(const CommandArguments& arguments);
// The same with the aircraft's fields as `aircraft` gives them.
int diff(const CommandArguments& arguments, const wingsmith::AircraftCatalogue& aircraft);

} // namespace vantorcli
