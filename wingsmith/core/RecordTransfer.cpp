// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordTransfer.h"

#include "AircraftFiles.h"
#include "AircraftValues.h"
#include "FieldDecoding.h"

#include <algorithm>

namespace wingsmith {

void decodeFields(const AircraftCatalogue& catalogue, RecordKind record, std::span<const std::uint8_t> bytes,
    std::uint64_t base, int groupCount, std::span<std::uint8_t> image)
{
    const auto& fields = catalogue.fields(record);
    const int groups = usableGroupCount(groupCount);
    for (std::size_t i : catalogue.travelOrder(record)) {
        const RecordField& f = fields[i];
        if (!fieldInUse(f, groups))
            continue;
        const std::size_t width = fieldWidth(f.type);
        fields::require(bytes, base + f.offset, width);
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(base + f.offset), width,
            image.begin() + static_cast<std::ptrdiff_t>(f.offset));
    }
}

void writeFields(const AircraftCatalogue& catalogue, RecordKind record, common::BinaryFile& file,
    std::uint64_t base, int groupCount, std::span<const std::uint8_t> image)
{
    const auto& fields = catalogue.fields(record);
    const int groups = usableGroupCount(groupCount);
    for (std::size_t i : catalogue.travelOrder(record)) {
        const RecordField& f = fields[i];
        if (fieldInUse(f, groups))
            file.write(base + f.offset, image.subspan(f.offset, fieldWidth(f.type)));
    }
}

std::uint64_t fieldsExtent(const AircraftCatalogue& catalogue, RecordKind record, int groupCount)
{
    const int groups = usableGroupCount(groupCount);
    std::uint64_t end = 0;
    for (const RecordField& f : catalogue.fields(record))
        if (fieldInUse(f, groups))
            end = std::max<std::uint64_t>(end, f.offset + fieldWidth(f.type));
    return end;
}

} // namespace wingsmith
