#include "LoadoutFieldPositions.h"

#include "LoadoutLayout.h"

#include <utility>

namespace ordnix {

namespace {

// Offsets of the fields within a weapon slot; bytes 5 and 7 are not read.
constexpr std::array<std::pair<const char*, std::size_t>, 6> kSlotFields{
    {{"weapon", 0}, {"rack", 1}, {"number", 2}, {"location", 3}, {"ifd", 4}, {"dbf", 6}}};

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

} // namespace ordnix
