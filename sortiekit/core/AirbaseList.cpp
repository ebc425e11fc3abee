// SPDX-License-Identifier: GPL-3.0-or-later
#include "AirbaseList.h"

#include "AirfieldFile.h"
#include "BaseSlot.h"
#include "DelimitedReader.h"
#include "HexNumber.h"
#include "SortiekitError.h"

#include "common/core/FileLookup.h"
#include "common/core/TextLines.h"
#include "common/core/PathText.h"

#include <string>

namespace sortiekit {

namespace {

// A name as it can be read in a message: control characters such as a NUL
// would cut the text short or hide, so they are written as \xNN.
std::string readable(const std::string& name)
{
    static const char* const digits = "0123456789ABCDEF";
    std::string out;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += digits[byte >> 4];
            out += digits[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::optional<Airfield> AirbaseList::readEntry(DelimitedReader& reader)
{
    auto name = reader.next();
    auto number = name ? reader.next() : std::nullopt;
    if (!number)
        return std::nullopt;
    Airfield field;
    field.name = std::move(*name);
    field.numberText = std::move(*number);
    field.number = hexFieldValue(field.numberText);
    return field;
}

AirbaseList AirbaseList::parse(std::string_view text)
{
    AirbaseList list;
    DelimitedReader reader(text);
    for (int i = 0; i < kCount; ++i) {
        auto field = readEntry(reader);
        if (!field) {
            throw SortiekitError("airbase.txt holds only " + std::to_string(i) + " of the " + std::to_string(kCount)
                + " airfields the game has.");
        }
        list.airfields_[static_cast<std::size_t>(i)] = std::move(*field);
    }
    return list;
}

AirbaseList AirbaseList::load(const std::filesystem::path& folder)
{
    const auto file = common::findNoCase(folder, "airbase.txt");
    if (!file)
        throw SortiekitError("airbase.txt was not found in " + common::utf8FromPath(folder) + ".");
    return parse(common::readFileBytes(*file));
}

int AirbaseList::recordNumber(const Airfield& field)
{
    if (!field.number) {
        throw SortiekitError("The number of " + readable(field.name) + " in airbase.txt, \""
            + readable(field.numberText) + "\", does not fit in 16 bits.");
    }
    if (*field.number >= static_cast<int>(AirfieldFile::kRecordCount)) {
        throw SortiekitError(readable(field.name) + " has the number " + std::to_string(*field.number)
            + " in airbase.txt, but airfield.dat holds only the airfields 0 to "
            + std::to_string(AirfieldFile::kRecordCount - 1) + ".");
    }
    return *field.number;
}

std::array<int, 4> AirbaseList::recordNumbers(const std::array<int, 4>& entries) const
{
    std::array<int, 4> numbers{};
    for (std::size_t s = 0; s < entries.size(); ++s) {
        const std::string slot = kBaseSlots[s].heading;
        if (entries[s] < 0 || entries[s] >= kCount)
            throw SortiekitError("No airfield is chosen for " + slot + ".");
        numbers[s] = recordNumber(airfields_[static_cast<std::size_t>(entries[s])]);
    }
    return numbers;
}

} // namespace sortiekit
