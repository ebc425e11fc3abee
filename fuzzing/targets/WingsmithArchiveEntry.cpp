// SPDX-License-Identifier: GPL-3.0-or-later
// One aircraft of FLT.CDF and DATA.CDF: its directory entry, its gun-table
// row and its flight record, put in place in otherwise empty archives and
// decoded as the start-up and the archive import do. Input: a byte that
// picks the entry (0-29), then the entry, the row and the record, joined as
// fuzzing::joinParts does; a record cut short is a short archive.
#include "fuzzing/support/Parts.h"

#include "wingsmith/core/AircraftRoster.h"
#include "wingsmith/core/FieldDecoding.h"
#include "wingsmith/core/FlightRecordIo.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/GunTableIo.h"
#include "wingsmith/core/Workspace.h"

#include "common/core/IoError.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace wingsmith;
    if (size == 0)
        return 0;
    const int k = data[0] % kAircraftCount;
    const auto parts = fuzzing::splitParts({data + 1, size - 1}, 3);
    const auto entry = parts[0].first(std::min(parts[0].size(), std::size_t{kFltCdfDirectoryEntry}));
    const auto row = parts[1].first(std::min(parts[1].size(), GunTableRow::kSize));
    const auto record = parts[2].first(std::min(parts[2].size(), FltRecord::kSize));

    const std::size_t recordAt = kFltCdfRecords + FltRecord::kSize * static_cast<std::size_t>(k);
    std::vector<std::uint8_t> archive(recordAt + record.size());
    std::copy(entry.begin(), entry.end(), archive.begin() + static_cast<std::ptrdiff_t>(kFltCdfDirectoryEntry) * k);
    std::copy(record.begin(), record.end(), archive.begin() + static_cast<std::ptrdiff_t>(recordAt));

    try {
        const int position = positionOfFltName(fltDirectoryName(archive, k));
        std::vector<std::uint8_t> table(kGunTableSize);
        const std::size_t rowAt = GunTableRow::kSize * static_cast<std::size_t>(position);
        std::copy(row.begin(), row.end(), table.begin() + static_cast<std::ptrdiff_t>(rowAt));

        PlanesValues planes{};
        decodeGunTableRow(AircraftCatalogue::program(), table, rowAt, planes);
        const int groupCount = fields::i16(table, rowAt + GunTableRow::kGroupCount);
        FlightValues flight{};
        // The start-up takes whole records only; the import reads what there is.
        if (record.size() == FltRecord::kSize)
            decodeFlightRecord(AircraftCatalogue::program(), fltArchiveRecord(archive, k), 0, groupCount, flight);
        else
            decodeFlightRecord(AircraftCatalogue::program(), fields::upTo(archive, recordAt, FltRecord::kSize), 0, groupCount, flight);
    } catch (const common::IoError&) {
    }
    return 0;
}
