// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AircraftCatalogue.h"

#include "common/core/BinaryFile.h"

#include <cstdint>
#include <span>

namespace wingsmith {

// The record procedures on one record: its catalogue's fields in use for
// `groupCount`, in travel order, between the file's bytes at `base` and
// the record's image. A field the bytes do not reach fails as reading past
// the end of the file does, after those before it are copied.
void decodeFields(const AircraftCatalogue& catalogue, RecordKind record, std::span<const std::uint8_t> bytes,
    std::uint64_t base, int groupCount, std::span<std::uint8_t> image);
void writeFields(const AircraftCatalogue& catalogue, RecordKind record, common::BinaryFile& file,
    std::uint64_t base, int groupCount, std::span<const std::uint8_t> image);
// Where the last field in use ends, from the record's start.
std::uint64_t fieldsExtent(const AircraftCatalogue& catalogue, RecordKind record, int groupCount);

} // namespace wingsmith
