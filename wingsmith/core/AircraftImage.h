// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AircraftValues.h"
#include "RecordField.h"
#include "RecordKind.h"

#include <cstdint>
#include <span>

namespace wingsmith {

// A copy of an aircraft's values to change field by field and store back.
class AircraftImage {
public:
    explicit AircraftImage(const AircraftValues& values);

    std::span<const std::uint8_t> bytes(RecordKind record) const;

    float floatValue(RecordKind record, const RecordField& field) const;
    std::uint32_t bits(RecordKind record, const RecordField& field) const;
    std::int64_t integerValue(RecordKind record, const RecordField& field) const;

    void setFloat(RecordKind record, const RecordField& field, float value);
    void setBits(RecordKind record, const RecordField& field, std::uint32_t bits);
    // Keeps the low bits the field's width holds, as the game's own editor
    // stored a typed number.
    void setInteger(RecordKind record, const RecordField& field, std::int64_t value);

    // Every field back into `values`.
    void storeInto(AircraftValues& values) const;

private:
    AircraftValues values_;
};

} // namespace wingsmith
