// SPDX-License-Identifier: GPL-3.0-or-later
#include "SquadronCommands.h"

#include "CommandLine.h"

#include "rosterly/core/AirForce.h"
#include "rosterly/core/PlaneList.h"
#include "rosterly/core/SquadronFile.h"

#include "common/core/FileLookup.h"
#include "common/core/IoError.h"
#include "common/core/ShownText.h"
#include "common/core/PathText.h"

#include <charconv>
#include <cstdio>

namespace vantorcli {

using namespace rosterly;

namespace {

// planes.txt beside the squadron file, as Rosterly reads it from the game
// folder; without one the records show their codes only.
PlaneList planeListBeside(const std::filesystem::path& squadronFile)
{
    const auto dir = squadronFile.parent_path().empty() ? std::filesystem::path(".") : squadronFile.parent_path();
    const auto file = common::findNoCase(dir, "planes.txt");
    if (!file) {
        writeStandardError("vantor: " + shown(dir) + ": no planes.txt, aircraft shown by code only\n");
        return {};
    }
    return PlaneList::load(*file);
}

std::optional<int> wholeNumber(const std::string& text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

int squadronList(const CommandArguments& arguments)
{
    const auto file = toPath(arguments.positional(0));
    refuseFolder(file);
    std::vector<std::uint8_t> codes;
    try {
        codes = SquadronFile::readCodes(file);
    } catch (const common::IoError& e) {
        throw e.about(file);
    }
    const PlaneList planes = planeListBeside(file);
    std::string out;
    for (std::size_t k = 0; k < codes.size(); ++k)
        out += std::to_string(k + 1) + "\t" + std::to_string(codes[k]) + "\t" + planes.recordName(codes[k]) + "\n";
    writeStandardOutput(out);
    return 0;
}

int squadronSet(const CommandArguments& arguments)
{
    const auto file = toPath(arguments.positional(0));
    refuseFolder(file);
    const auto record = wholeNumber(arguments.positional(1));
    if (!record || *record < 1)
        throw UsageError("RECORD is a record number from 1");
    const AirForce force = airForceOf(common::utf8FromPath(file));
    const CodeRange range = codesOf(force);
    if (force == AirForce::None)
        throw Refusal(aboutFile(file, "the name tells no air force (squs, squk or sqgr)"));

    const std::string aircraft = arguments.positional(2);
    std::optional<int> code = wholeNumber(aircraft);
    if (!code) {
        const PlaneList planes = planeListBeside(file);
        for (int c = range.first; c <= range.last && !code; ++c)
            if (!planes.name(c).empty() && common::equalsNoCase(planes.name(c), aircraft))
                code = c;
        if (!code)
            throw Refusal(
                aboutFile(file, "no aircraft of its air force is named '" + common::shownText(aircraft) + "'"));
    }
    if (!range.contains(*code))
        throw Refusal(aboutFile(file,
            "aircraft code " + std::to_string(*code) + " is not one of its air force (" + std::to_string(range.first)
                + " to " + std::to_string(range.last) + ")"));
    try {
        SquadronFile::writeCode(file, *record - 1, static_cast<std::uint8_t>(*code));
    } catch (const SquadronError& e) {
        throw Refusal(aboutFile(file, e.what()));
    } catch (const common::IoError& e) {
        throw e.about(file);
    }
    return 0;
}

} // namespace vantorcli
