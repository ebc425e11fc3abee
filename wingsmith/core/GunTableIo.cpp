// SPDX-License-Identifier: GPL-3.0-or-later
#include "GunTableIo.h"

#include "FieldDecoding.h"
#include "RecordTransfer.h"

namespace wingsmith {

void decodeGunTableRow(const AircraftCatalogue& catalogue, std::span<const std::uint8_t> bytes, std::uint64_t base,
    PlanesValues& values)
{
    // The count says how many groups the rest of the row holds.
    const int groupCount = fields::i16(bytes, base + GunTableRow::kGroupCount);
    decodeFields(catalogue, RecordKind::GunTableRow, bytes, base, groupCount, values.bytes);
}

void readGunTableRow(const AircraftCatalogue& catalogue, common::BinaryFile& file, std::uint64_t base,
    PlanesValues& values)
{
    decodeGunTableRow(catalogue, fields::readUpTo(file, base, GunTableRow::kSize), 0, values);
}

void writeGunTableRow(const AircraftCatalogue& catalogue, common::BinaryFile& file, std::uint64_t base,
    const PlanesValues& values)
{
    writeFields(catalogue, RecordKind::GunTableRow, file, base, values.gunGroupCount(), values.bytes);
}

std::uint64_t gunTableRowExtent(const AircraftCatalogue& catalogue, const PlanesValues& values)
{
    return fieldsExtent(catalogue, RecordKind::GunTableRow, values.gunGroupCount());
}

} // namespace wingsmith
