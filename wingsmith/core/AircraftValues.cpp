// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftValues.h"

#include "FieldText.h"

#include "common/core/LittleEndian.h"

#include <algorithm>

namespace wingsmith {

namespace le = common::le;

int usableGroupCount(int storedCount)
{
    return std::clamp(storedCount, 0, 6);
}

std::int16_t PlanesValues::gunGroupCount() const
{
    return le::getI16(bytes, GunTableRow::kGroupCount);
}

void PlanesValues::setGunGroupCount(std::int16_t count)
{
    le::putI16(bytes, GunTableRow::kGroupCount, count);
}

std::span<const std::uint8_t> AircraftValues::bytes(RecordKind record) const
{
    if (record == RecordKind::FlightRecord)
        return flight.bytes;
    return planes.bytes;
}

std::span<std::uint8_t> AircraftValues::bytes(RecordKind record)
{
    if (record == RecordKind::FlightRecord)
        return flight.bytes;
    return planes.bytes;
}

float AircraftValues::floatValue(RecordKind record, const RecordField& field) const
{
    return le::bitsToFloat(bits(record, field));
}

std::uint32_t AircraftValues::bits(RecordKind record, const RecordField& field) const
{
    return le::getU32(bytes(record), field.offset);
}

std::int64_t AircraftValues::integerValue(RecordKind record, const RecordField& field) const
{
    return fieldInteger(bytes(record), field);
}

void AircraftValues::setFloat(RecordKind record, const RecordField& field, float value)
{
    setBits(record, field, le::floatToBits(value));
}

void AircraftValues::setBits(RecordKind record, const RecordField& field, std::uint32_t bits)
{
    le::putU32(bytes(record), field.offset, bits);
}

void AircraftValues::setInteger(RecordKind record, const RecordField& field, std::int64_t value)
{
    const auto b = bytes(record);
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

} // namespace wingsmith
