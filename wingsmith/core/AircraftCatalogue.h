// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordField.h"
#include "RecordKind.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace wingsmith {

// The fields of an aircraft's flight record and gun-table row: what the
// record procedures read, write and compare, and the pages show. The
// program has one; a test may build another.
class AircraftCatalogue {
public:
    AircraftCatalogue(std::vector<RecordField> flightRecord, std::vector<RecordField> gunTableRow);

    static const AircraftCatalogue& program();

    // In record order.
    const std::vector<RecordField>& fields(RecordKind record) const;
    // The same fields in the order the record procedures take them (by
    // step, then by offset), as indices into fields().
    const std::vector<std::size_t>& travelOrder(RecordKind record) const;
    // Where the last field ends: a file to be patched must reach it.
    std::size_t interpretedEnd(RecordKind record) const;
    // A field by its name (exact); nullptr when there is none.
    const RecordField* find(RecordKind record, std::string_view name) const;

private:
    struct Part {
        std::vector<RecordField> fields;
        std::vector<std::size_t> order;
        std::size_t end = 0;
    };
    static Part partOf(std::vector<RecordField> fields);
    const Part& part(RecordKind record) const;

    Part flightRecord_;
    Part gunTableRow_;
};

} // namespace wingsmith
