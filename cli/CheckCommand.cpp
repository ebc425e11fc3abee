// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CheckCommand.h"

#include "cli/CommandLine.h"
#include "mods/core/GameFileKinds.h"
#include "mods/core/InstallationFiles.h"

#include "menuwright/menufile/MenuFileReader.h"
#include "menuwright/menufile/ScreenCheck.h"
#include "ordnix/core/LoadoutImage.h"
#include "ordnix/core/NameLists.h"
#include "ordnix/core/PlaneCodeCheck.h"
#include "wingsmith/core/AircraftFiles.h"
#include "wingsmith/core/DomainCheck.h"

#include "common/core/FileLookup.h"
#include "common/core/ShownText.h"
#include "common/core/PathText.h"

namespace vantorcli {

namespace fs = std::filesystem;

namespace {

std::string fileName(const fs::path& path)
{
    return common::shownText(common::utf8FromPath(path.filename()));
}

void checkAircraft(const fs::path& game, const wingsmith::AircraftCatalogue& catalogue, std::vector<std::string>& lines)
{
    const wingsmith::AircraftFiles files = wingsmith::readAircraftFiles(common::utf8FromPath(game));
    for (int p = 0; p < wingsmith::kAircraftCount; ++p) {
        const std::string aircraft(wingsmith::rosterByPosition(p).caption);
        const auto add = [&](const fs::path& file, const std::vector<wingsmith::DomainWarning>& warnings) {
            for (const auto& w : warnings)
                lines.push_back(
                    fileName(file) + ": " + aircraft + " " + w.field + " is " + w.value + ", expected " + w.expected);
        };
        const int groups = files.groupCount(p);
        add(files.gunTablePath,
            wingsmith::outOfDomain(catalogue.fields(wingsmith::RecordKind::GunTableRow), files.row(p), groups));
        add(files.recordPaths[static_cast<std::size_t>(p)],
            wingsmith::outOfDomain(catalogue.fields(wingsmith::RecordKind::FlightRecord), files.record(p), groups));
    }
}

void checkLoadout(const fs::path& game, std::vector<std::string>& lines)
{
    const auto loadout = common::findNoCase(game, "loadout.dat");
    if (!loadout)
        return;
    const ordnix::NameLists lists = ordnix::LoadLists(game);
    // Read as bytes, not as Ordnix loads it: a code beyond the list also
    // points past the file's option blocks, which LoadFile refuses.
    const ordnix::LoadoutImage image(mods::readBytes(*loadout), loadout->filename());
    for (const auto& w : ordnix::planeCodesOutsideList(image, lists.planes))
        lines.push_back(fileName(*loadout) + ": record " + std::to_string(w.record) + " (position "
            + std::to_string(w.position) + ") aircraft code is " + common::shownText(w.code) + ", beyond "
            + lists.planes.fileName() + " (" + std::to_string(lists.planes.count()) + " aircraft)");
}

void checkMenus(const fs::path& game, std::vector<std::string>& lines)
{
    for (const auto& [key, name] : mods::listInstallationFiles(game)) {
        if (!key.ends_with(".mnu"))
            continue;
        const auto contents = menuwright::readMenuFile(mods::readBytes(game / common::pathFromUtf8(name)));
        if (!contents)
            continue; // not of the layout the programs write: diff names its bytes
        for (const std::string& line : menuwright::offScreenWarnings(*contents))
            lines.push_back(common::shownText(name) + ": " + line);
    }
}

// The files whose every value the catalogue alone can judge. The aircraft,
// the loadout and the menus above are judged with what other files say
// (the gun-group count, planes.txt) and in every folder.
void checkCatalogued(const fs::path& game, std::vector<std::string>& lines)
{
    for (const auto& [key, name] : mods::listInstallationFiles(game)) {
        const auto* catalogue = mods::catalogueFor(common::pathFromUtf8(name));
        if (!catalogue || (catalogue->kind() != "squadron" && catalogue->kind() != "airfield"))
            continue;
        const auto bytes = mods::readBytes(game / common::pathFromUtf8(name));
        for (const std::string& warning : catalogue->domainWarnings(bytes))
            lines.push_back(common::shownText(name) + ": " + warning);
    }
}

} // namespace

std::vector<std::string> checkInstallation(const fs::path& game, const wingsmith::AircraftCatalogue& aircraft)
{
    std::vector<std::string> lines;
    checkAircraft(game, aircraft, lines);
    checkLoadout(game, lines);
    checkMenus(game, lines);
    checkCatalogued(game, lines);
    return lines;
}

int check(const CommandArguments& arguments)
{
    const fs::path game = toPath(arguments.positional(0));
    std::error_code ec;
    if (!fs::is_directory(game, ec))
        throw Refusal(aboutFile(game, "File not found"));
    const auto lines = checkInstallation(game);
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    writeStandardOutput(text);
    return lines.empty() ? 0 : 1;
}

} // namespace vantorcli
