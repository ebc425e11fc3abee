// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/AircraftDomain.h"

#include "wingsmith/core/DomainCheck.h"
#include "wingsmith/core/FlightRecordIo.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/GunTableIo.h"
#include "wingsmith/core/RecordFields.h"

namespace wingsmith {

std::vector<DomainWarning> aircraftOutOfDomain(const AircraftValues& values)
{
    // Checked in the bytes a save would write, by the same field list the
    // command line checks the files with.
    RecordBytes row(GunTableRow::kSize);
    writeGunTableRow(row, 0, values.planes);
    RecordBytes record(FltRecord::kSize);
    writeFlightRecord(record, 0, values.flight, values.planes.gunGroupCount);
    const int groups = values.planes.gunGroupCount;
    auto warnings = outOfDomain(gunTableRowFields(), row.bytes(), groups);
    for (auto& w : outOfDomain(fltRecordFields(), record.bytes(), groups))
        warnings.push_back(std::move(w));
    return warnings;
}

} // namespace wingsmith
