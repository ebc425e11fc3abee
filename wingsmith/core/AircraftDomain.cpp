// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/AircraftDomain.h"

#include "wingsmith/core/DomainCheck.h"
#include "wingsmith/core/RecordFields.h"

namespace wingsmith {

std::vector<DomainWarning> aircraftOutOfDomain(const AircraftValues& values)
{
    // Checked by the same field list the command line checks the files
    // with; only the fields a save would write count.
    const int groups = values.planes.gunGroupCount();
    auto warnings = outOfDomain(gunTableRowFields(), values.planes.bytes, groups);
    for (auto& w : outOfDomain(fltRecordFields(), values.flight.bytes, groups))
        warnings.push_back(std::move(w));
    return warnings;
}

} // namespace wingsmith
