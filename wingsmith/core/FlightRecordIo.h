// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AircraftCatalogue.h"
#include "AircraftValues.h"

#include "common/core/BinaryFile.h"

#include <span>

namespace wingsmith {

// A flight record at `base` of a loose *.FLT file or of FLT.CDF, field by
// field as the catalogue gives them. Only gun groups 1..groupCount are
// touched. Values are stored as they are read, so a failure (IoError)
// leaves those read before it in place.
void readFlightRecord(const AircraftCatalogue& catalogue, common::BinaryFile& file, std::uint64_t base,
    int groupCount, FlightValues& values);
// The same from bytes already read; a field they do not reach fails as
// reading past the end of the file does.
void decodeFlightRecord(const AircraftCatalogue& catalogue, std::span<const std::uint8_t> bytes, std::uint64_t base,
    int groupCount, FlightValues& values);
void writeFlightRecord(const AircraftCatalogue& catalogue, common::BinaryFile& file, std::uint64_t base,
    const FlightValues& values, int groupCount);

} // namespace wingsmith
