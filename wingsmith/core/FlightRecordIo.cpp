// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlightRecordIo.h"

#include "FieldDecoding.h"
#include "RecordTransfer.h"

namespace wingsmith {

void decodeFlightRecord(const AircraftCatalogue& catalogue, std::span<const std::uint8_t> bytes, std::uint64_t base,
    int groupCount, FlightValues& values)
{
    decodeFields(catalogue, RecordKind::FlightRecord, bytes, base, groupCount, values.bytes);
}

void readFlightRecord(const AircraftCatalogue& catalogue, common::BinaryFile& file, std::uint64_t base,
    int groupCount, FlightValues& values)
{
    decodeFlightRecord(catalogue, fields::readUpTo(file, base, FltRecord::kSize), 0, groupCount, values);
}

void writeFlightRecord(const AircraftCatalogue& catalogue, common::BinaryFile& file, std::uint64_t base,
    const FlightValues& values, int groupCount)
{
    writeFields(catalogue, RecordKind::FlightRecord, file, base, groupCount, values.bytes);
}

} // namespace wingsmith
