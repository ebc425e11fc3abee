// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AircraftRoster.h"
#include "FltRecord.h"
#include "RecordField.h"
#include "RecordKind.h"

#include <array>
#include <cstdint>
#include <span>

namespace wingsmith {

// The flight part of an aircraft: its record's fields, each at its place in
// the record. Bytes no field covers are never read into it nor written out.
struct FlightValues {
    std::array<std::uint8_t, FltRecord::kSize> bytes{};
};

// The gun-table part of an aircraft: its row of planes.dat, the same way.
struct PlanesValues {
    std::array<std::uint8_t, GunTableRow::kSize> bytes{};

    std::int16_t gunGroupCount() const;
    void setGunGroupCount(std::int16_t count);
};

// An aircraft's values, a field read and written by its place in its
// record, so that no member of its own stands for a field.
struct AircraftValues {
    FlightValues flight;
    PlanesValues planes;

    std::span<const std::uint8_t> bytes(RecordKind record) const;
    std::span<std::uint8_t> bytes(RecordKind record);

    float floatValue(RecordKind record, const RecordField& field) const;
    std::uint32_t bits(RecordKind record, const RecordField& field) const;
    std::int64_t integerValue(RecordKind record, const RecordField& field) const;

    void setFloat(RecordKind record, const RecordField& field, float value);
    void setBits(RecordKind record, const RecordField& field, std::uint32_t bits);
    // Keeps the low bits the field's width holds, as the game's own editor
    // stored a typed number.
    void setInteger(RecordKind record, const RecordField& field, std::int64_t value);
};

using AircraftSet = std::array<AircraftValues, kAircraftCount>;

// The number of gun groups a record or row holds for a stored count. Counts
// outside 0..6 (a damaged file) are clamped, so a bad count can never reach
// past the six groups the layout has.
int usableGroupCount(int storedCount);

} // namespace wingsmith
