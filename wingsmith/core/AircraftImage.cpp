// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftImage.h"

namespace wingsmith {

AircraftImage::AircraftImage(const AircraftValues& values) : values_(values) {}

std::span<const std::uint8_t> AircraftImage::bytes(RecordKind record) const
{
    return values_.bytes(record);
}

float AircraftImage::floatValue(RecordKind record, const RecordField& field) const
{
    return values_.floatValue(record, field);
}

std::uint32_t AircraftImage::bits(RecordKind record, const RecordField& field) const
{
    return values_.bits(record, field);
}

std::int64_t AircraftImage::integerValue(RecordKind record, const RecordField& field) const
{
    return values_.integerValue(record, field);
}

void AircraftImage::setFloat(RecordKind record, const RecordField& field, float value)
{
    values_.setFloat(record, field, value);
}

void AircraftImage::setBits(RecordKind record, const RecordField& field, std::uint32_t bits)
{
    values_.setBits(record, field, bits);
}

void AircraftImage::setInteger(RecordKind record, const RecordField& field, std::int64_t value)
{
    values_.setInteger(record, field, value);
}

void AircraftImage::storeInto(AircraftValues& values) const
{
    values = values_;
}

} // namespace wingsmith
