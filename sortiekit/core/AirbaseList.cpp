#include "AirbaseList.h"

#include "AirfieldFile.h"
#include "BaseSlot.h"
#include "DelimitedReader.h"
#include "HexNumber.h"
#include "SortiekitError.h"

#include "common/core/FileLookup.h"
#include "common/core/TextLines.h"

#include <string>

namespace sortiekit {

AirbaseList AirbaseList::parse(std::string_view text)
{
    AirbaseList list;
    DelimitedReader reader(text);
    for (int i = 0; i < kCount; ++i) {
        auto name = reader.next();
        auto number = name ? reader.next() : std::nullopt;
        if (!number) {
            throw SortiekitError("airbase.txt holds only " + std::to_string(i) + " of the " + std::to_string(kCount)
                + " airfields the game has.");
        }
        Airfield& field = list.airfields_[static_cast<std::size_t>(i)];
        field.name = std::move(*name);
        field.numberText = std::move(*number);
        field.number = hexFieldValue(field.numberText);
    }
    return list;
}

AirbaseList AirbaseList::load(const std::filesystem::path& folder)
{
    const auto file = common::findNoCase(folder, "airbase.txt");
    if (!file)
        throw SortiekitError("airbase.txt was not found in " + folder.string() + ".");
    return parse(common::readFileBytes(*file));
}

std::array<int, 4> AirbaseList::recordNumbers(const std::array<int, 4>& entries) const
{
    std::array<int, 4> numbers{};
    for (std::size_t s = 0; s < entries.size(); ++s) {
        const std::string slot = kBaseSlots[s].heading;
        if (entries[s] < 0 || entries[s] >= kCount)
            throw SortiekitError("No airfield is chosen for " + slot + ".");
        const Airfield& field = airfields_[static_cast<std::size_t>(entries[s])];
        if (!field.number) {
            throw SortiekitError("The number of " + field.name + " in airbase.txt, \"" + field.numberText
                + "\", does not fit in 16 bits.");
        }
        if (*field.number >= static_cast<int>(AirfieldFile::kRecordCount)) {
            throw SortiekitError(field.name + " has the number " + std::to_string(*field.number)
                + " in airbase.txt, but airfield.dat holds only the airfields 0 to "
                + std::to_string(AirfieldFile::kRecordCount - 1) + ".");
        }
        numbers[s] = *field.number;
    }
    return numbers;
}

} // namespace sortiekit
