// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AircraftCatalogue.h"
#include "AircraftValues.h"

#include "common/core/BinaryFile.h"

#include <span>

namespace wingsmith {

// A gun-table row at `base` of planes.dat or of DATA.CDF's image of it,
// field by field as the catalogue gives them. Only groups 1..gunGroupCount
// are touched. Each value is stored as soon as it is read, so a failure
// (IoError) leaves the values read before it in place.
void readGunTableRow(const AircraftCatalogue& catalogue, common::BinaryFile& file, std::uint64_t base,
    PlanesValues& values);
// The same from bytes already read; a field they do not reach fails as
// reading past the end of the file does.
void decodeGunTableRow(const AircraftCatalogue& catalogue, std::span<const std::uint8_t> bytes, std::uint64_t base,
    PlanesValues& values);
void writeGunTableRow(const AircraftCatalogue& catalogue, common::BinaryFile& file, std::uint64_t base,
    const PlanesValues& values);
// Where the last field that writeGunTableRow patches ends, from the row's start.
std::uint64_t gunTableRowExtent(const AircraftCatalogue& catalogue, const PlanesValues& values);

} // namespace wingsmith
