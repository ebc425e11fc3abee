// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageCatalogue.h"

#include "wingsmith/core/RecordFields.h"

namespace wingsmith {

PageCatalogue PageCatalogue::program()
{
    return of(AircraftCatalogue::program());
}

PageCatalogue PageCatalogue::of(const AircraftCatalogue& catalogue)
{
    return {&catalogue.fields(RecordKind::FlightRecord), &catalogue.fields(RecordKind::GunTableRow)};
}

std::vector<PageField> PageCatalogue::fieldsOf(std::string_view page) const
{
    std::vector<PageField> out;
    for (const auto& [record, fields] :
        {std::pair{RecordKind::FlightRecord, flightRecord}, std::pair{RecordKind::GunTableRow, gunTableRow}})
        if (fields)
            for (const RecordField& f : *fields)
                if (f.page == page)
                    out.push_back({record, &f});
    return out;
}

} // namespace wingsmith
