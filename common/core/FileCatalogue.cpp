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

} // namespace common
