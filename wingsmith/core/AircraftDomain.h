// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wingsmith/core/AircraftCatalogue.h"
#include "wingsmith/core/AircraftValues.h"
#include "wingsmith/core/DomainWarning.h"

#include <vector>

namespace wingsmith {

// The fields of one aircraft's values, gun-table row first, whose value
// lies outside its domain, as they would be saved.
std::vector<DomainWarning> aircraftOutOfDomain(const AircraftCatalogue& catalogue, const AircraftValues& values);

} // namespace wingsmith
