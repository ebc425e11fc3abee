// SPDX-License-Identifier: GPL-3.0-or-later
// vantor-fuzz-seeds DIR: writes the seed corpus of every fuzz target into
// DIR/TARGET/, taken from the demo installation's files and shaped as each
// target reads its input.
#include "fuzzing/support/Parts.h"

#include "tools/demogen/MenuDemo.h"
#include "tools/demogen/NormalsDemo.h"
#include "tools/demogen/OrdnixDemo.h"
#include "tools/demogen/ProbewellDemo.h"
#include "tools/demogen/RosterlyDemo.h"
#include "tools/demogen/SortiekitDemo.h"
#include "tools/demogen/WingsmithDemo.h"

#include "menuwright/menufile/MenuFileWriter.h"
#include "mods/core/InstalledMods.h"
#include "mods/core/ModFile.h"

#include "wingsmith/core/AircraftRoster.h"
#include "wingsmith/core/FltRecord.h"

#include "common/core/AtomicWrite.h"
#include "common/core/IoError.h"
#include "common/core/TextLines.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes bytesOf(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

class SeedWriter {
public:
    explicit SeedWriter(fs::path root) : root_(std::move(root)) {}
    void add(const std::string& target, const std::string& name, const Bytes& bytes)
    {
        const fs::path dir = root_ / target;
        fs::create_directories(dir);
        common::writeFileAtomically(dir / name, bytes);
    }

private:
    fs::path root_;
};

void wingsmithSeeds(SeedWriter& seeds)
{
    using namespace wingsmith;
    const Bytes flt = demogen::buildDemoFltCdf();
    const Bytes data = demogen::buildDemoDataCdf();
    const auto tableAt = static_cast<std::ptrdiff_t>(kDataCdfGunTable);
    const Bytes table(data.begin() + tableAt, data.begin() + tableAt + static_cast<std::ptrdiff_t>(kGunTableSize));
    seeds.add("wingsmith_archives", "demo", fuzzing::joinParts({flt, table}));
    seeds.add("wingsmith_gun_table", "planes.dat", table);
    for (int k = 0; k < kAircraftCount; k += 4) {
        const auto entryAt = static_cast<std::ptrdiff_t>(kFltCdfDirectoryEntry * static_cast<std::size_t>(k));
        const auto rowAt = static_cast<std::ptrdiff_t>(GunTableRow::kSize * static_cast<std::size_t>(k));
        const auto recordAt
            = static_cast<std::ptrdiff_t>(kFltCdfRecords + FltRecord::kSize * static_cast<std::size_t>(k));
        Bytes seed{static_cast<std::uint8_t>(k)};
        const Bytes parts
            = fuzzing::joinParts({Bytes(flt.begin() + entryAt, flt.begin() + entryAt + kFltCdfDirectoryEntry),
                Bytes(table.begin() + rowAt, table.begin() + rowAt + GunTableRow::kSize),
                Bytes(flt.begin() + recordAt, flt.begin() + recordAt + FltRecord::kSize)});
        seed.insert(seed.end(), parts.begin(), parts.end());
        seeds.add("wingsmith_archive_entry", "entry" + std::to_string(k), seed);
    }
    for (int k = 0; k < kAircraftCount; k += 3) {
        const auto row = static_cast<std::size_t>(k) * GunTableRow::kSize + GunTableRow::kGroupCount;
        Bytes seed{table[row], table[row + 1]};
        const auto at = static_cast<std::ptrdiff_t>(kFltCdfRecords + FltRecord::kSize * static_cast<std::size_t>(k));
        seed.insert(seed.end(), flt.begin() + at, flt.begin() + at + static_cast<std::ptrdiff_t>(FltRecord::kSize));
        seeds.add("wingsmith_flight_record", "record" + std::to_string(k), seed);
    }
    seeds.add("wingsmith_settings", "plain", bytesOf("[Paths]\r\nResourcepath=/home/pilot/Vantor\r\n"));
    seeds.add("wingsmith_settings", "more",
        bytesOf("; settings\n[Window]\nLeft = 10\n\n[paths]\n resourcepath "
                "= C:\\Vantor \n"));
}

void menuwrightSeeds(SeedWriter& seeds)
{
    using demogen::MenuDemoSide;
    int n = 0;
    for (MenuDemoSide side : {MenuDemoSide::USA, MenuDemoSide::Britain, MenuDemoSide::Axis})
        for (bool nonEmptyOnly : {false, true})
            seeds.add("menuwright_layout_text", "selection" + std::to_string(n++),
                bytesOf(demogen::buildSelectionLayoutText(side, nonEmptyOnly)));
    seeds.add("menuwright_layout_text", "hangar", bytesOf(demogen::buildHangarLayoutText()));

    // Menu files as the writer makes them of the demo's buttons.
    const auto rowOf = [](const demogen::DemoButton& b) {
        return menuwright::ButtonRow{b.caption, std::to_string(b.left), std::to_string(b.top), std::to_string(b.width),
            std::to_string(b.height)};
    };
    menuwright::SelectionLayout selection;
    selection.pictureName = demogen::kDemoUsaPicture;
    const auto buttons = demogen::demoSelectionButtons(MenuDemoSide::USA);
    for (std::size_t i = 0; i < buttons.size() && i < selection.rows.size(); ++i)
        selection.rows[i] = rowOf(buttons[i]);
    seeds.add("menu_file_reader", "selection_usa.mnu", menuwright::buildSelectionFile(selection));
    menuwright::HangarLayout hangar;
    const auto hangarButtons = demogen::demoHangarButtons();
    for (std::size_t i = 0; i < hangarButtons.size() && i < hangar.rows.size(); ++i)
        hangar.rows[i] = rowOf(hangarButtons[i]);
    seeds.add("menu_file_reader", "hangar.mnu", menuwright::buildHangarFile(hangar));
}

void ordnixSeeds(SeedWriter& seeds)
{
    seeds.add("ordnix_loadout", "loadout.dat", demogen::buildDemoLoadout());
    const std::vector<std::pair<std::string, std::vector<std::string>>> lists{
        {"Weapons.txt", demogen::demoWeaponNames()},
        {"Planes.txt", demogen::demoPlaneNames()},
        {"Locations.txt", demogen::demoLocationNames()},
        {"Mounts.txt", demogen::demoMountNames()},
    };
    for (const auto& [name, lines] : lists)
        seeds.add("ordnix_name_lists", name, bytesOf(common::joinCrlfLines(lines)));
    seeds.add("ordnix_script", "changes.lox", bytesOf("5\r\n3\r\n17\r\n255\r\n"));
}

void modSeeds(SeedWriter& seeds)
{
    mods::Mod mod;
    mod.name = "Faster Mustang";
    mod.version = "1.0.0-beta.1";
    mod.readme = "Climbs better.";
    mod.files.push_back({.file = "P51D.FLT",
        .kind = "flight record",
        .fields = {{"P-51D", "engineBestAltitude", "7900", "8200"}, {"P-51D", "gun1.ammo", "300", "400"}}});
    mod.files.push_back({.file = "Splash/title.bmp",
        .kind = mods::kWholeFileKind,
        .whole = mods::WholeFile{{'B', 'M', 0, 7}, mods::kNewFile}});
    seeds.add("mods_mod_file", "mod.vmod", bytesOf(mods::modText(mod)));
    mods::InstalledMods installed;
    installed.mods.push_back({.name = "A",
        .version = "1.0.0",
        .source = "a.vmod",
        .installed = "2026-12-10T12:00:00Z",
        .fields = {{"P51D.FLT", "P-51D", "engineBestAltitude", "7900", "8200"}},
        .files = {{"Splash/title.bmp", mods::kNewFile, std::string(64, 'a')}},
        .created = {{"P51D.FLT", mods::kNewFile, std::string(64, 'b')}}});
    seeds.add("mods_installed_log", "installed.json", bytesOf(installed.text()));
}

void otherSeeds(SeedWriter& seeds)
{
    seeds.add("rosterly_plane_list", "planes.txt", bytesOf(demogen::buildPlanesTxt()));
    seeds.add("rosterly_squadron", "sqUS0001.dat", demogen::buildSquadronFile({0, 1, 2, 3, 4, 5, 5, 4}, 5101));
    seeds.add("rosterly_squadron", "sqGR0001.dat", demogen::buildSquadronFile({16, 17, 29, 30, 255}, 5104));

    seeds.add("sortiekit_airbase_list", "airbase.txt", bytesOf(demogen::buildAirbaseTxt()));
    {
        // Lines of the demo's list, each after the first way of ending the one
        // before.
        const std::string text = demogen::buildAirbaseTxt();
        std::size_t start = 0;
        for (int entry = 0; start < text.size(); ++entry) {
            const std::size_t end = std::min(text.find("\r\n", start) + 2, text.size());
            if (entry % 9 == 4) {
                Bytes seed{static_cast<std::uint8_t>(entry % 5)};
                seed.insert(seed.end(), text.begin() + static_cast<std::ptrdiff_t>(start),
                    text.begin() + static_cast<std::ptrdiff_t>(end));
                seeds.add("sortiekit_airbase_entry", "entry" + std::to_string(entry), seed);
            }
            start = end;
        }
    }
    Bytes airfield{static_cast<std::uint8_t>(demogen::demoAirfieldNumber(0)),
        static_cast<std::uint8_t>(demogen::demoAirfieldNumber(1)),
        static_cast<std::uint8_t>(demogen::demoAirfieldNumber(2)),
        static_cast<std::uint8_t>(demogen::demoAirfieldNumber(3))};
    const Bytes master = demogen::buildAirfieldBak();
    airfield.insert(airfield.end(), master.begin(), master.end());
    seeds.add("sortiekit_airfield", "airfield.bak", airfield);

    seeds.add("vector_model", "box.3dz", demogen::buildDemoBox());
    seeds.add("vector_model", "sparrow.3dz", demogen::buildDemoSparrow());
    seeds.add("vector_model", "dome.3dz", demogen::buildDemoDome());

    seeds.add("probewell_state_files", "demo",
        fuzzing::joinParts({bytesOf(demogen::buildDemoLastNimbarDir()), bytesOf(demogen::buildDemoFoldersLoaded()),
            bytesOf(demogen::buildDemoPlanesLoaded())}));

    seeds.add("splashroll_arguments", "plain", bytesOf(std::string("main", 4) + '\0' + "12"));
    seeds.add("splashroll_arguments", "extra", bytesOf(std::string("title", 5) + '\0' + " +7x" + '\0' + "more"));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantor-fuzz-seeds DIR\n");
        return 2;
    }
    try {
        SeedWriter seeds(argv[1]);
        wingsmithSeeds(seeds);
        menuwrightSeeds(seeds);
        ordnixSeeds(seeds);
        otherSeeds(seeds);
        modSeeds(seeds);
    } catch (const common::IoError& e) {
        std::fprintf(stderr, "vantor-fuzz-seeds: %s\n", e.describe().c_str());
        return 1;
    }
    return 0;
}
