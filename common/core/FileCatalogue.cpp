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
