// SPDX-License-Identifier: GPL-3.0-or-later
#include "BasesCommands.h"

#include "CommandLine.h"

#include "sortiekit/core/AirbaseList.h"
#include "sortiekit/core/AirfieldFile.h"
#include "sortiekit/core/BaseSlot.h"
#include "sortiekit/core/MarkedBases.h"
#include "sortiekit/core/SortiekitError.h"

#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/core/ShownText.h"
#include "common/core/TextLines.h"

#include <charconv>
#include <optional>

namespace vantorcli {

using namespace sortiekit;

namespace {

std::filesystem::path gameFolder(const std::string& argument)
{
    const auto folder = toPath(argument);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        throw Refusal(aboutFile(folder, "File not found"));
    return folder;
}

// An airfield as bases set takes it: its name and airbase.txt entry.
std::string airfieldName(const std::optional<AirbaseList>& list, int number)
{
    if (list)
        for (int i = 0; i < AirbaseList::kCount; ++i)
            if ((*list)[i].number && *(*list)[i].number == number)
                return (*list)[i].name + " (entry " + std::to_string(i) + ", airfield " + std::to_string(number) + ")";
    return "airfield " + std::to_string(number);
}

} // namespace

int basesShow(const CommandArguments& arguments)
{
    const auto folder = gameFolder(arguments.positional(0));
    const auto dat = common::findNoCase(folder, "airfield.dat");
    if (!dat) {
        writeStandardOutput("No airfield.dat: the game flies from its standard airfields.\n");
        return 0;
    }
    std::optional<AirbaseList> list;
    try {
        list = AirbaseList::load(folder);
    } catch (const std::exception&) {
        // Without the name list the bases show by number.
    }
    const std::string bytes = common::readFileBytes(*dat);
    const auto marked = markedBases(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    std::string out;
    for (std::size_t s = 0; s < kBaseSlots.size(); ++s) {
        std::string names;
        // The Luftwaffe slots share a value: slot 3 takes the second such airfield.
        std::vector<int> numbers = marked[s];
        if (s == 2 && numbers.size() > 1)
            numbers.resize(1);
        if (s == 3 && !numbers.empty())
            numbers.erase(numbers.begin());
        for (int n : numbers)
            names += (names.empty() ? "" : ", ") + airfieldName(list, n);
        out += std::string(kBaseSlots[s].heading) + ": " + (names.empty() ? "none" : names) + "\n";
    }
    writeStandardOutput(out);
    return 0;
}

namespace {

int entryOf(const AirbaseList& list, const std::string& name)
{
    int number = 0;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (!name.empty() && ec == std::errc() && end == name.data() + name.size()) {
        if (number < 0 || number >= AirbaseList::kCount)
            throw Refusal("airfield " + common::shownText(name) + " is not an entry 0 to 161 of airbase.txt");
        return number;
    }
    for (int i = 0; i < AirbaseList::kCount; ++i)
        if (common::equalsNoCase(list[i].name, name))
            return i;
    throw Refusal("airbase.txt names no airfield '" + common::shownText(name) + "'");
}

} // namespace

int basesSet(const CommandArguments& arguments)
{
    const auto folder = gameFolder(arguments.positional(0));
    try {
        const AirbaseList list = AirbaseList::load(folder);
        std::array<int, 4> entries{};
        for (int s = 0; s < 4; ++s)
            entries[static_cast<std::size_t>(s)] = entryOf(list, arguments.positional(s + 1));
        AirfieldFile::saveSelection(folder, list.recordNumbers(entries));
    } catch (const SortiekitError& e) {
        throw Refusal(aboutFile(folder / "airfield.dat", e.what()));
    }
    return 0;
}

int basesStandard(const CommandArguments& arguments)
{
    const auto folder = gameFolder(arguments.positional(0));
    try {
        writeStandardOutput(
            AirfieldFile::restoreStandard(folder) ? "Removed airfield.dat.\n" : "No airfield.dat to remove.\n");
    } catch (const common::IoError& e) {
        throw e.about(folder / "airfield.dat");
    }
    return 0;
}

} // namespace vantorcli
