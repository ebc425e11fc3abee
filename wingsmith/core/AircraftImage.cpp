// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftImage.h"

#include "FieldText.h"
#include "FlightRecordIo.h"
#include "FltRecord.h"
#include "GunTableIo.h"

#include "common/core/LittleEndian.h"

namespace wingsmith {

namespace le = common::le;

namespace {
// The row's groups beyond its count hold values too; the image carries them
// all, under a count of six, and keeps the real count apart.
PlanesValues withAllGroups(PlanesValues values)
{
    values.gunGroupCount = kGunGroupCount;
    return values;
}
} // namespace

AircraftImage::AircraftImage(const AircraftValues& values)
{
    RecordBytes flight(FltRecord::kSize);
    writeFlightRecord(flight, 0, values.flight, kGunGroupCount);
    flight_ = flight.bytes();
    RecordBytes row(GunTableRow::kSize);
    writeGunTableRow(row, 0, withAllGroups(values.planes));
    row_ = row.bytes();
    le::putI16(row_, GunTableRow::kGroupCount, values.planes.gunGroupCount);
}

std::span<const std::uint8_t> AircraftImage::bytes(RecordKind record) const
{
    return record == RecordKind::FlightRecord ? flight_ : row_;
}

std::vector<std::uint8_t>& AircraftImage::bytesOf(RecordKind record)
{
    return record == RecordKind::FlightRecord ? flight_ : row_;
}

float AircraftImage::floatValue(RecordKind record, const RecordField& field) const
{
    return le::bitsToFloat(bits(record, field));
}

std::uint32_t AircraftImage::bits(RecordKind record, const RecordField& field) const
{
    return le::getU32(bytes(record), field.offset);
}

std::int64_t AircraftImage::integerValue(RecordKind record, const RecordField& field) const
{
    return fieldInteger(bytes(record), field);
}

void AircraftImage::setFloat(RecordKind record, const RecordField& field, float value)
{
    setBits(record, field, le::floatToBits(value));
}

void AircraftImage::setBits(RecordKind record, const RecordField& field, std::uint32_t bits)
{
    le::putU32(bytesOf(record), field.offset, bits);
}

void AircraftImage::setInteger(RecordKind record, const RecordField& field, std::int64_t value)
{
    auto& b = bytesOf(record);
    const auto low = static_cast<std::uint64_t>(value);
    switch (fieldWidth(field.type)) {
    case 1:
        le::putU8(b, field.offset, static_cast<std::uint8_t>(low & 0xFF));
        break;
    case 2:
        le::putU16(b, field.offset, static_cast<std::uint16_t>(low & 0xFFFF));
        break;
    default:
        le::putU32(b, field.offset, static_cast<std::uint32_t>(low & 0xFFFFFFFF));
        break;
    }
}

void AircraftImage::storeInto(AircraftValues& values) const
{
    decodeFlightRecord(flight_, 0, kGunGroupCount, values.flight);
    std::vector<std::uint8_t> row = row_;
    le::putI16(row, GunTableRow::kGroupCount, kGunGroupCount);
    decodeGunTableRow(row, 0, values.planes);
    values.planes.gunGroupCount = le::getI16(row_, GunTableRow::kGroupCount);
}

} // namespace wingsmith
