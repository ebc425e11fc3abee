// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordnix/core/LoadoutFileCatalogue.h"

#include "ordnix/core/LoadoutFieldPositions.h"
#include "ordnix/core/LoadoutLayout.h"
#include "ordnix/core/NameLists.h"
#include "ordnix/core/ValueText.h"

#include "common/core/FieldValueError.h"

#include <algorithm>

namespace ordnix {

namespace {

// A code byte can name no more aircraft than this, however long the file.
constexpr std::size_t kCodeCount = 256;

// Whether the field of that name lies at the position: in the record or
// option block the position falls in.
bool liesAt(std::string_view field, std::size_t position)
{
    std::vector<NamedPosition> named;
    if (position >= RecordStart(0) && position <= kRecordsEnd)
        named = RecordFieldPositions((position - RecordStart(0)) / kRecordSize);
    else if (position >= OptionAnchor(0) && position < OptionAnchor(kCodeCount))
        named = MissionFieldPositions((position - OptionAnchor(0)) / kOptionBlockSize);
    return std::any_of(
        named.begin(), named.end(), [&](const NamedPosition& f) { return f.field == field && f.position == position; });
}

// The byte a place stands for, refused when no such field lies there or the
// bytes end before it.
std::size_t checkedOffset(std::span<const std::uint8_t> bytes, const common::FieldPlace& place)
{
    if (place.width != 1 || !liesAt(place.field, place.offset + 1))
        throw common::FieldValueError(
            "There is no field " + place.field + " of " + place.record + " in a loadout file.");
    common::FileCatalogue::refuseBeyondEnd(bytes, place, 1);
    return place.offset;
}

std::string beyondList(std::uint8_t value, const NameList& list)
{
    return std::to_string(value) + " is not a code of " + list.fileName() + " (0-" + std::to_string(list.capacity() - 1)
        + ")";
}

} // namespace

std::vector<common::FieldPlace> LoadoutFileCatalogue::fields(std::span<const std::uint8_t> bytes) const
{
    // The editor refuses a file without all 180 records.
    if (bytes.size() < kRecordsEnd)
        return {};
    const auto at = [&](std::size_t position) { return bytes[position - 1]; };
    std::vector<common::FieldPlace> places;
    for (std::size_t i = 0; i < kRecordCount; ++i) {
        const std::size_t start = RecordStart(i);
        const std::size_t usedSlots = at(start + 2);
        for (const NamedPosition& f : RecordFieldPositions(i)) {
            const std::size_t inRecord = f.position - start;
            const bool inUse = inRecord < 4 || (inRecord - 4) / kSlotSize < usedSlots;
            places.push_back({"record " + std::to_string(i), f.field, f.position - 1, 1, inUse});
        }
    }
    for (std::size_t p = 0; p < kCodeCount && LastOptionPosition(p) <= bytes.size(); ++p) {
        const std::size_t anchor = OptionAnchor(p);
        for (const NamedPosition& f : MissionFieldPositions(p)) {
            const int t = static_cast<int>((f.position - anchor - 2) / kMissionEntrySize);
            const std::size_t count = OptionCountPosition(anchor, t);
            // Options beyond the mission's count are kept but not offered.
            places.push_back(
                {"options " + std::to_string(p), f.field, f.position - 1, 1, f.position - count <= at(count)});
        }
    }
    return places;
}

std::string LoadoutFileCatalogue::text(std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const
{
    return std::to_string(bytes[checkedOffset(bytes, place)]);
}

std::vector<std::uint8_t> LoadoutFileCatalogue::withText(
    std::span<const std::uint8_t> bytes, const common::FieldPlace& place, std::string_view text) const
{
    const std::size_t offset = checkedOffset(bytes, place);
    // The editor rounds 3.5 when it saves; a mod names the byte exactly.
    const auto value = ToByteValue(text);
    if (!value || LeadingNumber(text) != *value) {
        throw common::FieldValueError(
            place.field + " takes a whole number from 0 to 255, not \"" + std::string(text) + "\".");
    }
    std::vector<std::uint8_t> out(bytes.begin(), bytes.end());
    out[offset] = *value;
    return out;
}

std::optional<std::string> LoadoutFileCatalogue::outOfDomain(
    std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const
{
    const std::uint8_t value = bytes[checkedOffset(bytes, place)];
    if (!place.inUse)
        return std::nullopt;
    static const NameLists lists;
    const std::string_view field = place.field;
    if (field == "planeCode" && value >= lists.planes.capacity())
        return beyondList(value, lists.planes);
    if (field.ends_with(".weapon") && value >= lists.weapons.capacity())
        return beyondList(value, lists.weapons);
    if (field.ends_with(".rack") && value >= lists.mounts.capacity())
        return beyondList(value, lists.mounts);
    if (field.ends_with(".location") && value >= lists.locations.capacity())
        return beyondList(value, lists.locations);
    if (field == "usedSlots" && value > kSlotCount)
        return std::to_string(value) + " is more than the " + std::to_string(kSlotCount) + " weapon slots";
    if (field.ends_with(".count") && value > kOptionCount)
        return std::to_string(value) + " is more than the " + std::to_string(kOptionCount) + " loadout options";
    return std::nullopt;
}

} // namespace ordnix
