// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AircraftValues.h"
#include "RecordField.h"

#include <cstdint>
#include <span>
#include <vector>

namespace wingsmith {

// Which record a catalogue field lies in.
enum class RecordKind { FlightRecord, GunTableRow };

// An aircraft's values as the bytes of its flight record and gun-table row,
// all six gun groups included, so that a field of the catalogue is read and
// written by its place there and not by a member of its own.
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

    // Every interpreted field back into `values`.
    void storeInto(AircraftValues& values) const;

private:
    std::vector<std::uint8_t>& bytesOf(RecordKind record);

    std::vector<std::uint8_t> flight_;
    std::vector<std::uint8_t> row_;
};

} // namespace wingsmith
