// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutFieldPositions.h"

#include "LoadoutLayout.h"

#include <utility>

namespace ordnix {

namespace {

// Offsets of the fields within a weapon slot; bytes 5 and 7 are not read.
constexpr std::array<std::pair<const char*, std::size_t>, 6> kSlotFields{
    {{"weapon", 0}, {"rack", 1}, {"number", 2}, {"location", 3}, {"ifd", 4}, {"dbf", 6}}};

// Option blocks a code byte can reach.
constexpr std::size_t kCodeCount = 256;

} // namespace

std::vector<NamedPosition> RecordFieldPositions(std::size_t i)
{
    const std::size_t start = RecordStart(i);
    std::vector<NamedPosition> fields{{"planeCode", start}, {"usedSlots", start + 2}};
    for (std::size_t j = 0; j < kSlotCount; ++j)
        for (const auto& [name, offset] : kSlotFields)
            fields.push_back({"slot" + std::to_string(j + 1) + "." + name, start + 4 + kSlotSize * j + offset});
    return fields;
}

std::vector<NamedPosition> MissionFieldPositions(std::size_t planeCode)
{
    const std::size_t anchor = OptionAnchor(planeCode);
    std::vector<NamedPosition> fields;
    for (int t = 0; t < kMissionCount; ++t) {
        const std::string kind = kMissionFieldNames[static_cast<std::size_t>(t)];
        fields.push_back({kind + ".count", OptionCountPosition(anchor, t)});
        for (int k = 1; k <= kOptionCount; ++k)
            fields.push_back({kind + ".option" + std::to_string(k), OptionPosition(anchor, t, k)});
    }
    return fields;
}

std::optional<LoadoutField> FieldAt(std::size_t position)
{
    if (position >= RecordStart(0) && position <= kRecordsEnd) {
        const std::size_t i = (position - RecordStart(0)) / kRecordSize;
        const std::size_t offset = position - RecordStart(i);
        const std::string block = "record " + std::to_string(i);
        if (offset == 0)
            return LoadoutField{block, "planeCode", position};
        if (offset == 2)
            return LoadoutField{block, "usedSlots", position};
        if (offset < 4)
            return std::nullopt;
        const std::size_t j = (offset - 4) / kSlotSize;
        for (const auto& [name, at] : kSlotFields)
            if (at == (offset - 4) % kSlotSize)
                return LoadoutField{block, "slot" + std::to_string(j + 1) + "." + name, position};
        return std::nullopt;
    }
    if (position < OptionAnchor(0) || position >= OptionAnchor(kCodeCount))
        return std::nullopt;
    const std::size_t p = (position - OptionAnchor(0)) / kOptionBlockSize;
    const std::size_t offset = position - OptionAnchor(p);
    // Counted from the anchor + 2 that the positions are derived from.
    if (offset < 2)
        return std::nullopt;
    const std::size_t t = (offset - 2) / kMissionEntrySize;
    const std::size_t inEntry = (offset - 2) % kMissionEntrySize;
    const std::string block = "options " + std::to_string(p);
    const std::string kind = kMissionFieldNames[t];
    if (inEntry == 1)
        return LoadoutField{block, kind + ".count", position};
    if (inEntry >= 2 && inEntry < 2 + static_cast<std::size_t>(kOptionCount))
        return LoadoutField{block, kind + ".option" + std::to_string(inEntry - 1), position};
    return std::nullopt;
}

} // namespace ordnix
