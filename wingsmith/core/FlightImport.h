// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AircraftCatalogue.h"
#include "AircraftFiles.h"
#include "RecordField.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace wingsmith {

// One aircraft of an imported table: the aircraft named as a modder names
// it, and field name / value text pairs. An empty text gives no value.
struct ImportRow {
    std::string where; // "row 3", for messages
    std::string aircraft;
    std::vector<std::pair<std::string, std::string>> values;
};

// One field whose value the import changes.
struct FieldChange {
    int position = 0;
    bool gunTable = false; // planes.dat; else the loose flight record
    const RecordField* field = nullptr;
    std::string before;
    std::string after;
    std::vector<std::uint8_t> bytes;
    // The given text looks like the stored value rounded by a spreadsheet
    // (or its zero's sign lost), not like a value a person typed.
    bool looksRounded = false;
};

// An import refused as a whole; what() names the row and field.
class FlightImportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The fields whose value differs from the files, row by row in the order
// the rows give them. Refuses the whole table for an unknown aircraft or
// field, an aircraft given twice, a value that does not read or does not
// fit, or a gun-group value beyond the group count the row leaves. Writes
// nothing. The fields are `catalogue`'s.
std::vector<FieldChange> planFlightImport(const AircraftFiles& files, const std::vector<ImportRow>& rows,
    const AircraftCatalogue& catalogue = AircraftCatalogue::program());

// Writes the changes field by field into planes.dat and the loose files,
// as Wingsmith's save does; no other byte changes. A file still only in
// its archive is extracted first. Throws common::IoError naming the file.
void applyFlightImport(const AircraftFiles& files, const std::vector<FieldChange>& changes,
    const AircraftCatalogue& catalogue = AircraftCatalogue::program());

} // namespace wingsmith
