// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandArguments.h"

namespace vantorcli {

// vantor flight export|import|show: the flight models of the thirty aircraft.
int flightExport(const CommandArguments& arguments);
int flightImport(const CommandArguments& arguments);
int flightShow(const CommandArguments& arguments);

} // namespace vantorcli
