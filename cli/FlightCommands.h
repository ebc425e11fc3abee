// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandArguments.h"

#include "wingsmith/core/AircraftCatalogue.h"

namespace vantorcli {

// vantor flight export|import|show: the flight models of the thirty aircraft.
int flightExport(const CommandArguments& arguments);
int flightImport(const CommandArguments& arguments);
int flightShow(const CommandArguments& arguments);
// The same with the aircraft's fields as `catalogue` gives them.
int flightExport(const CommandArguments& arguments, const wingsmith::AircraftCatalogue& catalogue);
int flightImport(const CommandArguments& arguments, const wingsmith::AircraftCatalogue& catalogue);
int flightShow(const CommandArguments& arguments, const wingsmith::AircraftCatalogue& catalogue);

} // namespace vantorcli
