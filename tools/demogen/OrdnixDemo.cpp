// SPDX-License-Identifier: GPL-3.0-or-later
#include "OrdnixDemo.h"

#include "DemoRandom.h"
#include "RosterlyDemo.h"

#include "common/core/AtomicWrite.h"
#include "common/core/FileLookup.h"
#include "common/core/TextLines.h"

#include <array>
#include <span>

namespace demogen {

namespace {

// The layout, written out here on its own so that tests built on these
// files check the editor's reading of it for real.
constexpr std::size_t kRecordStart = 4;
constexpr std::size_t kRecordSize = 44;
constexpr std::size_t kRecords = 180;
constexpr std::size_t kBlocksStart = 7928;
constexpr std::size_t kBlockSize = 60;
constexpr int kPlanes = 30;

// Weapon codes (lines of Weapons.txt).
enum Weapon : std::uint8_t {
    NoWeapon, Gp100, Gp250, Gp500, Gp1000, Gp2000, Hc4000, M8Rocket, Hvar, Rp3, Tank75, Tank108, Tank45,
    Sc50, Sc250, Sc500, Sc1000, Sc1800, Ab250, Wgr21, R4m, Tank300, Tank900, Mk108Pod, Mg151Pod
};
// Mount codes (Mounts.txt).
enum Mount : std::uint8_t { NoMount, WingRack, FuselageRack, BombBay, ZeroLength, TripleTube, Rail, Etc50, Etc500, Gondola };
// Location codes (Locations.txt).
enum Location : std::uint8_t { NoLocation, LeftWing, RightWing, BothWings, Centreline, Bay, InnerWings, OuterWings, Nose };

struct Slot {
    std::uint8_t weapon, mount, number, location;
};
using Loadout = std::vector<Slot>; // at most five slots; empty is a clean aircraft

enum class Role { UsFighter, UkFighter, GermanFighter, HeavyBomber, MediumBomber, GermanBomber, Heavy, Jet, Unarmed };

// By aircraft code, in the order of the shared plane list.
const std::array<Role, kPlanes> kRoles{
    Role::UsFighter, Role::UsFighter, Role::UsFighter, Role::UsFighter, Role::UsFighter, Role::UsFighter, // P-38 to P-51
    Role::HeavyBomber, Role::HeavyBomber, Role::MediumBomber,                                           // B-17, B-24, B-26
    Role::UkFighter, Role::UkFighter, Role::UkFighter, Role::UkFighter, Role::UkFighter, Role::UkFighter, // Hurricane to Tempest
    Role::Heavy,                                                                                        // Mosquito
    Role::GermanFighter, Role::GermanFighter, Role::GermanFighter,                                      // Bf 109
    Role::Heavy, Role::Heavy, Role::Heavy,                                                              // Bf 110, Me 410
    Role::GermanFighter, Role::GermanFighter, Role::Jet,                                                // Fw 190, Me 262
    Role::GermanBomber, Role::Heavy, Role::GermanBomber, Role::GermanBomber,                            // Ju 88, Ju 87, He 111
    Role::Unarmed};                                                                                     // V-1

// The choices of each role; a plane's n-th record takes choice n mod size.
std::vector<Loadout> choices(Role role)
{
    switch (role) {
    case Role::UsFighter:
        return {{}, {{Tank75, FuselageRack, 1, Centreline}}, {{Tank108, WingRack, 2, BothWings}},
            {{Gp500, WingRack, 2, BothWings}, {Tank75, FuselageRack, 1, Centreline}},
            {{Hvar, ZeroLength, 6, BothWings}}, {{Gp1000, WingRack, 2, BothWings}},
            {{M8Rocket, TripleTube, 6, BothWings}, {Gp500, FuselageRack, 1, Centreline}},
            {{Gp250, WingRack, 2, InnerWings}, {Hvar, ZeroLength, 4, OuterWings}, {Tank75, FuselageRack, 1, Centreline}}};
    case Role::UkFighter:
        return {{}, {{Tank45, FuselageRack, 1, Centreline}}, {{Gp250, WingRack, 2, BothWings}},
            {{Rp3, Rail, 8, BothWings}}, {{Gp500, WingRack, 2, BothWings}, {Tank45, FuselageRack, 1, Centreline}},
            {{Gp1000, WingRack, 2, BothWings}}};
    case Role::GermanFighter:
        return {{}, {{Tank300, Etc500, 1, Centreline}}, {{Sc250, Etc500, 1, Centreline}},
            {{Wgr21, Rail, 2, BothWings}}, {{Mg151Pod, Gondola, 2, BothWings}},
            {{Sc500, Etc500, 1, Centreline}, {Sc50, Etc50, 4, BothWings}}, {{Sc50, Etc50, 4, BothWings}}};
    case Role::HeavyBomber:
        return {{{Gp500, BombBay, 12, Bay}}, {{Gp1000, BombBay, 6, Bay}}, {{Gp2000, BombBay, 4, Bay}},
            {{Gp250, BombBay, 16, Bay}, {Gp100, BombBay, 8, Bay}}, {{Hc4000, BombBay, 1, Bay}, {Gp500, BombBay, 6, Bay}}};
    case Role::MediumBomber:
        return {{{Gp500, BombBay, 8, Bay}}, {{Gp1000, BombBay, 4, Bay}}, {{Gp250, BombBay, 12, Bay}},
            {{Gp2000, BombBay, 2, Bay}}};
    case Role::GermanBomber:
        return {{{Sc250, BombBay, 8, Bay}}, {{Sc500, BombBay, 4, Bay}}, {{Sc1000, Etc500, 2, InnerWings}},
            {{Sc1800, Etc500, 1, Centreline}}, {{Sc50, BombBay, 16, Bay}, {Sc250, Etc500, 2, InnerWings}},
            {{Ab250, BombBay, 4, Bay}}};
    case Role::Heavy:
        return {{}, {{Gp500, BombBay, 2, Bay}}, {{Sc500, Etc500, 2, InnerWings}},
            {{Rp3, Rail, 8, OuterWings}, {Gp500, BombBay, 2, Bay}}, {{Tank300, Etc500, 2, InnerWings}},
            {{Wgr21, Rail, 4, OuterWings}, {Sc250, BombBay, 2, Bay}, {Tank300, Etc500, 1, Centreline}}};
    case Role::Jet:
        return {{}, {{Sc250, Etc500, 2, Centreline}}, {{R4m, Rail, 24, OuterWings}}, {{Sc500, Etc500, 1, Centreline}},
            {{Tank300, Etc500, 2, Centreline}}, {{Mk108Pod, Gondola, 1, Nose}, {Sc250, Etc500, 1, Centreline}}};
    case Role::Unarmed:
        return {{}};
    }
    return {{}};
}

void writeRecord(std::span<std::uint8_t> rec, int plane, const Loadout& loadout, DemoRandom& random)
{
    rec[0] = static_cast<std::uint8_t>(plane);
    rec[1] = static_cast<std::uint8_t>(random.between(0, 3));
    rec[2] = static_cast<std::uint8_t>(loadout.size());
    rec[3] = static_cast<std::uint8_t>(random.between(0, 255));
    for (std::size_t j = 0; j < loadout.size(); ++j) {
        const Slot& s = loadout[j];
        auto slot = rec.subspan(4 + 8 * j, 8);
        slot[0] = s.weapon;
        slot[1] = s.mount;
        slot[2] = s.number;
        slot[3] = s.location;
        slot[4] = static_cast<std::uint8_t>(random.between(1, 4));   // IFD
        slot[5] = static_cast<std::uint8_t>(random.between(0, 255)); // never interpreted
        slot[6] = static_cast<std::uint8_t>(random.between(5, 60));  // DBF
        slot[7] = static_cast<std::uint8_t>(random.between(0, 255)); // never interpreted
    }
}

// Mission kinds: 0 Escort, 1 Sweep, 2 Bombing Mission, 3 Intercept, 4 Interdiction.
void writeOptionBlock(std::span<std::uint8_t> block, int records, DemoRandom& random)
{
    for (int t = 0; t < 5; ++t) {
        auto entry = block.subspan(12 * static_cast<std::size_t>(t), 12);
        entry[0] = static_cast<std::uint8_t>(t);
        entry[1] = static_cast<std::uint8_t>(random.between(0, 255));
        entry[2] = static_cast<std::uint8_t>(random.between(0, 255));
        const int count = random.between(1, records < 6 ? records : 6);
        entry[3] = static_cast<std::uint8_t>(count);
        int option = random.between(1, records - count + 1);
        for (int k = 0; k < count; ++k)
            entry[4 + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(option++);
        entry[10] = static_cast<std::uint8_t>(random.between(0, 255));
        entry[11] = static_cast<std::uint8_t>(random.between(0, 255));
    }
}

void writeList(const std::filesystem::path& path, const std::vector<std::string>& names)
{
    common::writeFileAtomically(path, common::joinCrlfLines(names));
}

} // namespace

std::vector<std::string> demoWeaponNames()
{
    return {"None", "100 lb GP bomb", "250 lb GP bomb", "500 lb GP bomb", "1000 lb GP bomb", "2000 lb GP bomb",
        "4000 lb HC bomb", "M8 4.5 in rocket", "5 in HVAR rocket", "RP-3 60 lb rocket", "75 gal drop tank",
        "108 gal drop tank", "45 gal drop tank", "SC 50 bomb", "SC 250 bomb", "SC 500 bomb", "SC 1000 bomb",
        "SC 1800 bomb", "AB 250 cluster bomb", "WGr 21 rocket", "R4M rocket", "300 l drop tank", "900 l drop tank",
        "MK 108 gun pod", "MG 151/20 gun pod"};
}

std::vector<std::string> demoPlaneNames()
{
    // One plane list for the whole installation, so that a code names the
    // same aircraft here and in the squadron files.
    return common::splitTextLines(buildPlanesTxt());
}

std::vector<std::string> demoLocationNames()
{
    return {"None", "Left wing", "Right wing", "Both wings", "Centreline", "Bomb bay", "Inner wings", "Outer wings",
        "Nose", "Rear fuselage"};
}

std::vector<std::string> demoMountNames()
{
    return {"None", "Wing rack", "Fuselage rack", "Bomb bay", "Zero-length launcher", "Triple tube launcher",
        "Rail launcher", "ETC 50 rack", "ETC 500 rack", "Underwing gondola"};
}

std::vector<int> demoLoadoutRuns()
{
    DemoRandom random(4242);
    std::vector<int> runs(kPlanes);
    int total = 0;
    for (int& r : runs) {
        r = random.between(3, 9);
        total += r;
    }
    // Even out to exactly 180 records, keeping at least two per aircraft.
    while (total != static_cast<int>(kRecords)) {
        int& r = runs[static_cast<std::size_t>(random.between(0, kPlanes - 1))];
        if (total > static_cast<int>(kRecords) && r > 2) {
            --r;
            --total;
        } else if (total < static_cast<int>(kRecords) && r < 9) {
            ++r;
            ++total;
        }
    }
    return runs;
}

std::vector<std::uint8_t> buildDemoLoadout()
{
    std::vector<std::uint8_t> file(kDemoLoadoutSize, 0);
    DemoRandom random(1944);
    // Header: record count and size; after the records: block count and size.
    file[0] = kRecords;
    file[2] = kRecordSize;
    file[kBlocksStart - 4] = kPlanes;
    file[kBlocksStart - 2] = kBlockSize;

    const std::vector<int> runs = demoLoadoutRuns();
    std::size_t record = 0;
    for (int plane = 0; plane < kPlanes; ++plane) {
        const std::vector<Loadout> options = choices(kRoles[static_cast<std::size_t>(plane)]);
        const int run = runs[static_cast<std::size_t>(plane)];
        for (int n = 0; n < run; ++n, ++record) {
            auto rec = std::span(file).subspan(kRecordStart + kRecordSize * record, kRecordSize);
            // Start each aircraft with a loaded record rather than a clean one.
            writeRecord(rec, plane, options[static_cast<std::size_t>(n + 3) % options.size()], random);
        }
        writeOptionBlock(std::span(file).subspan(kBlocksStart + kBlockSize * static_cast<std::size_t>(plane), kBlockSize),
            run, random);
    }
    random.fill(std::span(file).subspan(kBlocksStart + kBlockSize * kPlanes));
    return file;
}

void writeOrdnixDemo(const std::filesystem::path& gameDir)
{
    common::writeFileAtomically(gameDir / "loadout.dat", buildDemoLoadout());
    writeList(gameDir / "Weapons.txt", demoWeaponNames());
    // The squadron demo writes the same list as planes.txt; keep one file.
    writeList(common::resolveNoCase(gameDir, "Planes.txt"), demoPlaneNames());
    writeList(gameDir / "Locations.txt", demoLocationNames());
    writeList(gameDir / "Mounts.txt", demoMountNames());
}

} // namespace demogen
