// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortiekit/core/AirfieldFileCatalogue.h"

#include "sortiekit/core/AirfieldFile.h"
#include "sortiekit/core/BaseSlot.h"

#include "common/core/FieldValueError.h"
#include "common/core/LittleEndian.h"

#include <array>
#include <charconv>
#include <limits>

namespace sortiekit {

namespace {

struct RecordField {
    const char* name;
    std::size_t offset; // in the record
    std::size_t width;
};

// The bytes Sortiekit writes in a record: four slot values, then the zero
// that follows the last one.
constexpr std::array<RecordField, 5> kRecordFields{{
    {"slotValue1", 0, 2},
    {"slotValue2", 2, 2},
    {"slotValue3", 4, 2},
    {"slotValue4", 6, 2},
    {"byte8", 8, 1},
}};

constexpr std::int16_t kNoBase = -1;

// The field a place stands for, refused unless it lies where that field
// lies in some record and inside the bytes.
const RecordField& checkedField(std::span<const std::uint8_t> bytes, const common::FieldPlace& place)
{
    for (const RecordField& f : kRecordFields) {
        if (place.field != f.name || place.width != f.width)
            continue;
        const std::size_t start = AirfieldFile::kHeaderSize + f.offset;
        if (place.offset < start || (place.offset - start) % AirfieldFile::kRecordSize != 0)
            break;
        common::FileCatalogue::refuseBeyondEnd(bytes, place, f.width);
        return f;
    }
    throw common::FieldValueError("There is no field " + place.field + " in airfield.dat.");
}

} // namespace

std::vector<common::FieldPlace> AirfieldFileCatalogue::fields(std::span<const std::uint8_t> bytes) const
{
    // Sortiekit makes no airfield.dat from a master copy shorter than this.
    if (bytes.size() < AirfieldFile::kMinimumSize)
        return {};
    std::vector<common::FieldPlace> places;
    for (std::size_t k = 0; k < AirfieldFile::kRecordCount; ++k) {
        const std::size_t start = AirfieldFile::kHeaderSize + AirfieldFile::kRecordSize * k;
        for (const RecordField& f : kRecordFields)
            places.push_back({"airfield " + std::to_string(k), f.name, start + f.offset, f.width, true});
    }
    return places;
}

std::string AirfieldFileCatalogue::text(std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const
{
    const RecordField& f = checkedField(bytes, place);
    return f.width == 2 ? std::to_string(common::le::getI16(bytes, place.offset)) : std::to_string(bytes[place.offset]);
}

std::vector<std::uint8_t> AirfieldFileCatalogue::withText(
    std::span<const std::uint8_t> bytes, const common::FieldPlace& place, std::string_view text) const
{
    const RecordField& f = checkedField(bytes, place);
    const bool word = f.width == 2;
    const int lowest = word ? std::numeric_limits<std::int16_t>::min() : 0;
    const int highest = word ? std::numeric_limits<std::int16_t>::max() : 255;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < lowest || value > highest) {
        throw common::FieldValueError(place.field + " takes a whole number from " + std::to_string(lowest) + " to "
            + std::to_string(highest) + ", not \"" + std::string(text) + "\".");
    }
    std::vector<std::uint8_t> out(bytes.begin(), bytes.end());
    const auto bits = static_cast<std::uint16_t>(value);
    out[place.offset] = static_cast<std::uint8_t>(bits & 0xFF);
    if (word)
        out[place.offset + 1] = static_cast<std::uint8_t>(bits >> 8);
    return out;
}

std::optional<std::string> AirfieldFileCatalogue::outOfDomain(
    std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const
{
    if (checkedField(bytes, place).width != 2)
        return std::nullopt;
    const std::int16_t value = common::le::getI16(bytes, place.offset);
    if (value == kNoBase)
        return std::nullopt;
    std::string values;
    for (std::size_t s = 0; s < kBaseSlots.size(); ++s) {
        if (kBaseSlots[s].value == value)
            return std::nullopt;
        // The Luftwaffe slots share their value: name it once.
        if (values.find(std::to_string(kBaseSlots[s].value)) == std::string::npos)
            values += (values.empty() ? "" : ", ") + std::to_string(kBaseSlots[s].value);
    }
    return std::to_string(value) + " is neither -1 (no base) nor a base slot value (" + values + ")";
}

} // namespace sortiekit
