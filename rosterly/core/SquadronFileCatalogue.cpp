// SPDX-License-Identifier: GPL-3.0-or-later
#include "rosterly/core/SquadronFileCatalogue.h"

#include "rosterly/core/PlaneList.h"
#include "rosterly/core/SquadronFile.h"

#include "common/core/FieldValueError.h"

#include <charconv>

namespace rosterly {

namespace {

// The code byte a place stands for; refused unless it is a record's code
// inside the bytes.
std::size_t checkedOffset(std::span<const std::uint8_t> bytes, const common::FieldPlace& place)
{
    if (place.field != "aircraft" || place.width != 1 || place.offset < SquadronFile::kHeaderSize
        || (place.offset - SquadronFile::kHeaderSize) % SquadronFile::kRecordSize != 0)
        throw common::FieldValueError("There is no field " + place.field + " in a squadron file.");
    common::FileCatalogue::refuseBeyondEnd(bytes, place, 1);
    return place.offset;
}

} // namespace

bool SquadronFileCatalogue::holds(std::string_view fileName) const
{
    // sq????.dat, as Rosterly's open dialog offers them.
    return fileName.size() == 12 && fileName.starts_with("sq") && fileName.ends_with(".dat");
}

std::vector<common::FieldPlace> SquadronFileCatalogue::fields(std::span<const std::uint8_t> bytes) const
{
    std::vector<common::FieldPlace> places;
    for (int k = 0; k < SquadronFile::recordCount(bytes.size()); ++k)
        places.push_back({"record " + std::to_string(k + 1), "aircraft", SquadronFile::codeOffset(k), 1, true});
    return places;
}

std::string SquadronFileCatalogue::text(std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const
{
    return std::to_string(bytes[checkedOffset(bytes, place)]);
}

std::vector<std::uint8_t> SquadronFileCatalogue::withText(
    std::span<const std::uint8_t> bytes, const common::FieldPlace& place, std::string_view text) const
{
    const std::size_t offset = checkedOffset(bytes, place);
    unsigned code = 256;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), code);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || code > 255) {
        throw common::FieldValueError(
            "An aircraft code is a whole number from 0 to 255, not \"" + std::string(text) + "\".");
    }
    std::vector<std::uint8_t> out(bytes.begin(), bytes.end());
    out[offset] = static_cast<std::uint8_t>(code);
    return out;
}

std::optional<std::string> SquadronFileCatalogue::outOfDomain(
    std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const
{
    const std::uint8_t code = bytes[checkedOffset(bytes, place)];
    if (code <= PlaneList::kHighestAircraft)
        return std::nullopt;
    return std::to_string(code) + " is not an aircraft a squadron may fly (0-"
        + std::to_string(PlaneList::kHighestAircraft) + "); Rosterly lists it as Error";
}

} // namespace rosterly
