// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/FileCatalogue.h"

namespace common {

std::optional<FieldPlace> FileCatalogue::find(
    std::span<const std::uint8_t> bytes, std::string_view record, std::string_view field) const
{
    for (FieldPlace& place : fields(bytes))
        if (place.record == record && place.field == field)
            return std::move(place);
    return std::nullopt;
}

std::vector<std::string> FileCatalogue::domainWarnings(std::span<const std::uint8_t> bytes) const
{
    std::vector<std::string> warnings;
    for (const FieldPlace& place : fields(bytes))
        if (const auto why = place.inUse ? outOfDomain(bytes, place) : std::nullopt)
            warnings.push_back(place.record + " " + place.field + ": " + *why);
    return warnings;
}

FieldValueError FileCatalogue::endsBefore(const FieldPlace& place)
{
    return FieldValueError("The file ends before " + place.record + " " + place.field + ".");
}

void FileCatalogue::refuseBeyondEnd(std::span<const std::uint8_t> bytes, const FieldPlace& place, std::size_t width)
{
    if (place.offset > bytes.size() || bytes.size() - place.offset < width)
        throw endsBefore(place);
}

} // namespace common
