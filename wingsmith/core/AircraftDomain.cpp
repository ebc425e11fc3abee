// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/AircraftDomain.h"

#include "wingsmith/core/DomainCheck.h"

namespace wingsmith {

std::vector<DomainWarning> aircraftOutOfDomain(const AircraftCatalogue& catalogue, const AircraftValues& values)
{
    // Checked by the same field list the command line checks the files
    // with; only the fields a save would write count.
    const int groups = values.planes.gunGroupCount();
    auto warnings = outOfDomain(catalogue.fields(RecordKind::GunTableRow), values.planes.bytes, groups);
    for (auto& w : outOfDomain(catalogue.fields(RecordKind::FlightRecord), values.flight.bytes, groups))
        warnings.push_back(std::move(w));
    return warnings;
}

} // namespace wingsmith
