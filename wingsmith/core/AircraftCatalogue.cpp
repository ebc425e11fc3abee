// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftCatalogue.h"

#include <algorithm>
#include <numeric>

namespace wingsmith {

AircraftCatalogue::AircraftCatalogue(std::vector<RecordField> flightRecord, std::vector<RecordField> gunTableRow)
    : flightRecord_(partOf(std::move(flightRecord))), gunTableRow_(partOf(std::move(gunTableRow)))
{
}

AircraftCatalogue::Part AircraftCatalogue::partOf(std::vector<RecordField> fields)
{
    Part p;
    p.fields = std::move(fields);
    p.order.resize(p.fields.size());
    std::iota(p.order.begin(), p.order.end(), std::size_t{0});
    std::stable_sort(p.order.begin(), p.order.end(), [&](std::size_t a, std::size_t b) {
        const RecordField& x = p.fields[a];
        const RecordField& y = p.fields[b];
        return x.step != y.step ? x.step < y.step : x.offset < y.offset;
    });
    for (const RecordField& f : p.fields)
        p.end = std::max(p.end, f.offset + fieldWidth(f.type));
    return p;
}

const AircraftCatalogue::Part& AircraftCatalogue::part(RecordKind record) const
{
    return record == RecordKind::FlightRecord ? flightRecord_ : gunTableRow_;
}

const std::vector<RecordField>& AircraftCatalogue::fields(RecordKind record) const
{
    return part(record).fields;
}

const std::vector<std::size_t>& AircraftCatalogue::travelOrder(RecordKind record) const
{
    return part(record).order;
}

std::size_t AircraftCatalogue::interpretedEnd(RecordKind record) const
{
    return part(record).end;
}

const RecordField* AircraftCatalogue::find(RecordKind record, std::string_view name) const
{
    for (const RecordField& f : part(record).fields)
        if (f.name == name)
            return &f;
    return nullptr;
}

} // namespace wingsmith
