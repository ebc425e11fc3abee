// SPDX-License-Identifier: GPL-3.0-or-later
#include "WingsmithDemo.h"

#include "DemoRandom.h"

#include "common/core/AtomicWrite.h"
#include "common/core/LittleEndian.h"

#include <array>
#include <string>

namespace demogen {

namespace {

namespace le = common::le;

// Layout of the game files, written out independently of the editor's own
// code so that tests built on these files check that code for real.
constexpr std::size_t kRecordSize = 1284;
constexpr std::size_t kDirectoryEntry = 34;
constexpr std::size_t kDirectorySize = 30 * kDirectoryEntry;
constexpr std::size_t kRowSize = 216;

struct Gun {
    int guns, position, caliber, ammo, smoke;
};

struct Aircraft {
    const char* fltName;
    int archiveIndex;
    int engines;
    bool jet;
    int blades; // 0, 3, 4, 5
    std::array<std::uint8_t, 4> flags;
    int groupCount;
    std::array<Gun, 6> groups; // entries beyond groupCount are stale leftovers
    int emptyMass;
    int fuelMass;
    int bestAltitude;
};

// Type flag bits.
enum : std::uint8_t { Fighter = 0x01, Bomber = 0x02, Flyable = 0x04, Jet = 0x08, Twin = 0x10, Quad = 0x20, V1 = 0x40, German = 0x80 };
enum : std::uint8_t { British = 0x01, American = 0x02, Inline = 0x04, GearBack = 0x10, GearIn = 0x20, GearOut = 0x40, GearNose = 0x80 };
enum : std::uint8_t { CounterRot = 0x01, Ccw = 0x02, Gravity = 0x04, Dive = 0x10, Attack = 0x20, Angle = 0x40, Energy = 0x80 };
enum : std::uint8_t { Defensive = 0x01, Crewed = 0x02, CombatFlaps = 0x04, Slats = 0x08, Armor = 0x10, HeavyArmor = 0x20 };

// Position codes: 1 wing, 2 nose, 3 tail, 4 top turret, 5 rear cabin,
// 7 ventral rear, 9 belly turret, 10/11 waist, 12 nose flexible, 13 front turret.
// Calibers: 2 = .30/7.9mm, 4 = .50/13mm, 12 = 20mm, 24 = 30mm.
const std::array<Aircraft, 30> kAircraft{{
    {"P38H.FLT", 21, 2, false, 3, {Fighter | Flyable | Twin, American | Inline | GearNose, CounterRot, Armor}, 2,
        {{{4, 2, 4, 500, 1}, {1, 2, 12, 150, 1}, {2, 1, 4, 300, 0}}}, 12800, 2400, 7600},
    {"P38J.FLT", 20, 2, false, 3, {Fighter | Flyable | Twin, American | Inline | GearNose, CounterRot, Armor | CombatFlaps}, 2,
        {{{4, 2, 4, 500, 1}, {1, 2, 12, 150, 1}}}, 12900, 2700, 8000},
    {"P47C.FLT", 22, 1, false, 4, {Fighter | Flyable, American | GearIn, Energy, Armor}, 2,
        {{{4, 1, 4, 425, 1}, {4, 1, 4, 425, 1}}}, 9900, 1850, 8500},
    {"P47D.FLT", 19, 1, false, 4, {Fighter | Flyable, American | GearIn, Energy | Attack, Armor}, 2,
        {{{4, 1, 4, 425, 1}, {4, 1, 4, 425, 1}}}, 10000, 2200, 8800},
    {"P51B.FLT", 23, 1, false, 4, {Fighter | Flyable, American | Inline | GearIn, Energy, 0}, 1,
        {{{4, 1, 4, 350, 1}, {2, 1, 4, 280, 1}}}, 6985, 1600, 7800},
    {"P51D.FLT", 24, 1, false, 4, {Fighter | Flyable, American | Inline | GearIn, Energy, 0}, 2,
        {{{4, 1, 4, 400, 1}, {2, 1, 4, 270, 1}}}, 7125, 1650, 7900},
    {"BB17.FLT", 13, 4, false, 3, {Bomber | Flyable | Quad, American | GearBack, 0, Defensive | Crewed | Armor}, 6,
        {{{2, 13, 4, 500, 1}, {2, 4, 4, 500, 1}, {2, 9, 4, 500, 1}, {2, 3, 4, 500, 1}, {1, 10, 4, 400, 1},
            {1, 11, 4, 400, 1}}},
        34000, 17000, 7500},
    {"B24A.FLT", 10, 4, false, 3, {Bomber | Flyable | Quad, American | GearNose, 0, Defensive | Crewed | Armor}, 6,
        {{{2, 13, 4, 500, 1}, {2, 4, 4, 500, 1}, {2, 9, 4, 500, 1}, {2, 3, 4, 500, 1}, {1, 10, 4, 400, 1},
            {1, 11, 4, 400, 1}}},
        36500, 18000, 7000},
    {"B26A.FLT", 1, 2, false, 4, {Bomber | Flyable | Twin, American | GearNose, Attack, Defensive | Crewed | Armor}, 5,
        {{{4, 2, 4, 400, 1}, {2, 4, 4, 400, 1}, {2, 3, 4, 400, 1}, {1, 12, 4, 300, 1}, {1, 10, 4, 300, 1}}},
        24000, 6500, 4500},
    {"HURR.FLT", 14, 1, false, 3, {Fighter | Flyable, British | Inline | GearIn, Angle | Gravity, 0}, 2,
        {{{4, 1, 2, 335, 0}, {4, 1, 2, 335, 0}}}, 5750, 1100, 5500},
    {"SP2A.FLT", 27, 1, false, 3, {Fighter | Flyable, British | Inline | GearOut, Angle | Gravity, 0}, 2,
        {{{4, 1, 2, 300, 0}, {4, 1, 2, 300, 0}}}, 4800, 1000, 5800},
    {"SP09.FLT", 18, 1, false, 4, {Fighter | Flyable, British | Inline | GearOut, Angle, 0}, 2,
        {{{2, 1, 12, 120, 0}, {4, 1, 2, 350, 0}}}, 5800, 1100, 8200},
    {"SP14.FLT", 26, 1, false, 5, {Fighter | Flyable, British | Inline | GearOut, Angle | Ccw, 0}, 2,
        {{{2, 1, 12, 120, 0}, {2, 1, 4, 250, 1}}}, 6600, 1450, 8300},
    {"TYPH.FLT", 28, 1, false, 3, {Fighter | Flyable, British | Inline | GearIn, Attack | Energy, Armor}, 2,
        {{{2, 1, 12, 140, 0}, {2, 1, 12, 140, 0}}}, 8800, 1900, 6000},
    {"TEMP.FLT", 25, 1, false, 4, {Fighter | Flyable, British | Inline | GearIn, Energy, Armor}, 2,
        {{{2, 1, 12, 150, 0}, {2, 1, 12, 150, 0}}}, 9000, 1700, 6700},
    {"MOSQ.FLT", 0, 2, false, 3, {Fighter | Bomber | Flyable | Twin, British | Inline | GearBack, Attack, Crewed}, 2,
        {{{4, 2, 12, 150, 0}, {4, 2, 2, 500, 0}}}, 14300, 4200, 6800},
    {"109E.FLT", 5, 1, false, 3, {Fighter | Flyable | German, Inline | GearOut, Angle, Slats}, 2,
        {{{2, 2, 2, 500, 0}, {2, 1, 12, 60, 0}}}, 4400, 850, 4500},
    {"109G.FLT", 4, 1, false, 3, {Fighter | Flyable | German, Inline | GearOut, Energy, Slats | CombatFlaps}, 2,
        {{{2, 2, 4, 300, 0}, {1, 2, 12, 150, 0}}}, 5900, 1050, 6500},
    {"109K.FLT", 6, 1, false, 3, {Fighter | Flyable | German, Inline | GearOut, Energy, Slats | Armor}, 2,
        {{{2, 2, 4, 300, 0}, {1, 2, 24, 65, 0}}}, 6000, 1050, 7500},
    {"110C.FLT", 3, 2, false, 3, {Fighter | Flyable | Twin | German, Inline | GearBack, Attack, Defensive | Crewed | Slats}, 3,
        {{{4, 2, 2, 1000, 0}, {2, 2, 12, 180, 0}, {1, 5, 2, 750, 0}}}, 11000, 2800, 4500},
    {"110G.FLT", 7, 2, false, 3, {Fighter | Flyable | Twin | German, Inline | GearBack, Attack, Defensive | Crewed | Armor}, 4,
        {{{2, 2, 24, 135, 0}, {2, 2, 12, 350, 0}, {2, 8, 12, 200, 0}, {2, 5, 2, 800, 0}}}, 11200, 3000, 6000},
    {"M410.FLT", 17, 2, false, 3, {Fighter | Bomber | Flyable | Twin | German, Inline | GearBack, Attack, Defensive | Crewed}, 4,
        {{{2, 2, 12, 350, 0}, {2, 2, 2, 1000, 0}, {1, 10, 4, 500, 0}, {1, 11, 4, 500, 0}}}, 13700, 4000, 6700},
    {"190A.FLT", 2, 1, false, 3, {Fighter | Flyable | German, GearIn, Energy, Armor}, 2,
        {{{2, 2, 4, 475, 0}, {4, 1, 12, 250, 0}}}, 7000, 1200, 6300},
    {"190D.FLT", 9, 1, false, 3, {Fighter | Flyable | German, Inline | GearIn, Energy, Armor}, 2,
        {{{2, 2, 4, 475, 0}, {2, 1, 12, 250, 0}}}, 7700, 1300, 6600},
    {"262A.FLT", 8, 2, true, 0, {Fighter | Flyable | Jet | Twin | German, GearNose, Energy, Armor}, 1,
        {{{4, 2, 24, 90, 0}, {2, 2, 24, 80, 0}}}, 8400, 3700, 9000},
    {"J88A.FLT", 11, 2, false, 3, {Bomber | Flyable | Twin | German, Inline | GearBack, Dive, Defensive | Crewed | Armor}, 3,
        {{{1, 12, 2, 1000, 0}, {2, 5, 2, 1000, 0}, {1, 7, 2, 1000, 0}}}, 21700, 5600, 5300},
    {"J88C.FLT", 16, 2, false, 3, {Fighter | Flyable | Twin | German, Inline | GearBack, Attack, Defensive | Crewed | Armor}, 3,
        {{{3, 2, 12, 360, 0}, {3, 2, 2, 1000, 0}, {1, 5, 2, 800, 0}}}, 19900, 5000, 5300},
    {"JU87.FLT", 15, 1, false, 3, {Bomber | Flyable | German, Inline, Dive, Defensive | Crewed}, 2,
        {{{2, 1, 2, 1000, 0}, {2, 5, 2, 1000, 0}}}, 8700, 1100, 4100},
    {"H111.FLT", 12, 2, false, 3, {Bomber | Flyable | Twin | German, Inline | GearBack, 0, Defensive | Crewed | Armor}, 5,
        {{{1, 12, 12, 180, 0}, {1, 6, 4, 1000, 0}, {2, 7, 2, 1000, 0}, {1, 10, 2, 500, 0}, {1, 11, 2, 500, 0}}},
        19100, 7500, 5000},
    {"V1V1.FLT", 29, 1, true, 0, {V1 | Jet | German, 0, 0, 0}, 0, {{}}, 4750, 1100, 900},
}};

constexpr std::uint32_t kPropPattern = 0x42800000; // 64.0
constexpr std::uint32_t kJetPattern = 0x41CCCCCD;  // 25.6

std::uint32_t bladePattern(int blades)
{
    switch (blades) {
    case 3: return 0x3BB59147;
    case 4: return 0x3BF21709;
    case 5: return 0x3C174E66;
    default: return 0;
    }
}

int soundOf(int caliber)
{
    switch (caliber) {
    case 4: return 1;
    case 12: return 2;
    case 24: return 3;
    default: return 0;
    }
}

// A short binary fraction: prints exactly in every display format.
float quarterSteps(DemoRandom& rng, int low, int high)
{
    return static_cast<float>(rng.between(low * 4, high * 4)) / 4.0f;
}

void putFloats(std::span<std::uint8_t> rec, std::size_t offset, std::initializer_list<float> values)
{
    for (float v : values) {
        le::putF32(rec, offset, v);
        offset += 4;
    }
}

void writeFlightRecord(std::span<std::uint8_t> rec, const Aircraft& a, std::uint32_t seed)
{
    DemoRandom rng(seed);
    rng.fill(rec); // uninterpreted regions keep this filler

    le::putI16(rec, 0, static_cast<std::int16_t>(a.engines));
    le::putI16(rec, 2, a.jet ? 1 : 0);
    le::putF32(rec, 4, static_cast<float>(a.bestAltitude));
    le::putF32(rec, 8, quarterSteps(rng, 0, 3));
    le::putF32(rec, 12, static_cast<float>(rng.between(1, 64)) / 64.0f);
    le::putU32(rec, 16, bladePattern(a.blades));
    le::putU32(rec, 20, a.jet ? kJetPattern : kPropPattern);

    // Controls: throttle, elevator, flaps, ailerons, rudder (max, min, rate).
    putFloats(rec, 24, {1.0f, 0.0f, 0.5f, 0.375f, -0.375f, quarterSteps(rng, 1, 3), 0.75f, 0.0f, 0.25f, 0.3125f,
                           -0.3125f, quarterSteps(rng, 1, 4), 0.25f, -0.25f, 1.5f});
    // Limits: altitude, velocity, angle of attack, mach, g, -g, inertia.
    putFloats(rec, 84, {static_cast<float>(a.bestAltitude + rng.between(20, 40) * 100),
                           static_cast<float>(a.jet ? 240 : rng.between(150, 200)), 0.3125f, 0.8125f,
                           a.flags[0] & Bomber ? 3.5f : 8.5f, a.flags[0] & Bomber ? -1.5f : -4.5f,
                           quarterSteps(rng, 2, 40)});
    putFloats(rec, 112, {static_cast<float>(a.emptyMass), static_cast<float>(a.fuelMass), quarterSteps(rng, 0, 9),
                            quarterSteps(rng, 0, 9), 0.0f, 1.0f, quarterSteps(rng, 0, 2), 0.5f});

    // 43 stability values: small signed fractions in sixteenths.
    for (int n = 0; n < 43; ++n)
        le::putF32(rec, 144 + 4 * n, static_cast<float>(rng.between(-160, 160)) / 16.0f);

    for (int g = 0; g < 6; ++g) {
        const std::size_t base = 596 + 44 * g;
        const Gun& gun = a.groups[g];
        const float side = static_cast<float>(g % 2 == 0 ? 1 : -1);
        putFloats(rec, base,
            {side * quarterSteps(rng, 0, 4), quarterSteps(rng, -1, 1), quarterSteps(rng, 0, 6),
                -side * quarterSteps(rng, 0, 4), quarterSteps(rng, -1, 1),
                static_cast<float>(gun.caliber >= 12 ? rng.between(600, 850) : rng.between(750, 900)),
                static_cast<float>(gun.caliber == 24 ? 600 : rng.between(12, 20) * 50),
                static_cast<float>(rng.between(1, 8)) / 8.0f, static_cast<float>(gun.guns / 2),
                static_cast<float>(gun.guns - gun.guns / 2)});
        le::putU16(rec, base + 40, static_cast<std::uint16_t>(gun.caliber == 0 ? 0 : 100 + gun.caliber));
        le::putU16(rec, base + 42, static_cast<std::uint16_t>(rng.between(10, 40) * 25));
    }

    // Hit bubbles: front, pilot, middle, tail, right inner/tip, left inner/tip.
    const float span = a.engines >= 2 ? 8.0f : 5.5f;
    const float bubbles[8][4] = {{0, 0, 4, 1.5f}, {0, 0.75f, 1, 0.75f}, {0, 0, -1.5f, 1.5f}, {0, 0.5f, -6, 1.25f},
        {span / 2, 0, 0, 1.25f}, {span, 0, -0.5f, 1}, {-span / 2, 0, 0, 1.25f}, {-span, 0, -0.5f, 1}};
    for (int b = 0; b < 8; ++b)
        putFloats(rec, 1084 + 16 * b, {bubbles[b][0], bubbles[b][1], bubbles[b][2], bubbles[b][3]});
    le::putI32(rec, 1212, rng.between(0, 3));
    le::putI32(rec, 1216, static_cast<std::int32_t>(span * 2));
    le::putF32(rec, 1220, static_cast<float>(rng.between(4, 12) * 5));
}

void writeGunTableRow(std::span<std::uint8_t> row, const Aircraft& a, std::uint32_t seed)
{
    DemoRandom rng(seed);
    rng.fill(row);
    for (int i = 0; i < 4; ++i)
        row[8 + i] = a.flags[i];
    // Hit points of the twelve sections; engines the aircraft lacks get 0.
    const int engineSlots[4] = {8, 9, 10, 11};
    for (int s = 0; s < 12; ++s)
        row[76 + s] = static_cast<std::uint8_t>(rng.between(4, 40) * 5);
    for (int e = a.engines; e < 4; ++e)
        row[76 + engineSlots[e]] = 0;
    le::putI16(row, 88, static_cast<std::int16_t>(a.groupCount));
    for (int g = 0; g < 6; ++g) {
        const Gun& gun = a.groups[g];
        const std::size_t base = 92 + 12 * g;
        le::putI16(row, base + 0, static_cast<std::int16_t>(gun.guns));
        le::putI16(row, base + 2, static_cast<std::int16_t>(gun.position));
        le::putI16(row, base + 4, static_cast<std::int16_t>(gun.caliber == 0 ? 2 : gun.caliber));
        le::putI16(row, base + 6, static_cast<std::int16_t>(gun.ammo));
        le::putI16(row, base + 8, static_cast<std::int16_t>(soundOf(gun.caliber)));
        le::putI16(row, base + 10, static_cast<std::int16_t>(gun.smoke));
    }
}

} // namespace

std::vector<std::uint8_t> buildDemoFltCdf()
{
    std::vector<std::uint8_t> cdf(kDirectorySize + 30 * kRecordSize, 0);
    for (std::size_t p = 0; p < kAircraft.size(); ++p) {
        const Aircraft& a = kAircraft[p];
        const auto k = static_cast<std::size_t>(a.archiveIndex);
        const std::size_t entry = k * kDirectoryEntry;
        const std::size_t recordStart = kDirectorySize + k * kRecordSize;
        // Bytes 0-7 of an entry: where the record lies and how long it is.
        le::putU32(cdf, entry, static_cast<std::uint32_t>(recordStart));
        le::putU32(cdf, entry + 4, static_cast<std::uint32_t>(kRecordSize));
        const std::string name = a.fltName;
        std::copy(name.begin(), name.end(), cdf.begin() + static_cast<std::ptrdiff_t>(entry + 8));
        writeFlightRecord(std::span(cdf).subspan(recordStart, kRecordSize), a, static_cast<std::uint32_t>(1000 + p));
    }
    return cdf;
}

std::vector<std::uint8_t> buildDemoDataCdf()
{
    std::vector<std::uint8_t> cdf(kDemoDataCdfSize);
    DemoRandom(7).fill(cdf);
    auto table = std::span(cdf).subspan(kDemoGunTableOffset, kDemoGunTableSize);
    for (std::size_t p = 0; p < kAircraft.size(); ++p)
        writeGunTableRow(table.subspan(p * kRowSize, kRowSize), kAircraft[p], static_cast<std::uint32_t>(2000 + p));
    return cdf;
}

void writeWingsmithDemo(const std::filesystem::path& gameDir)
{
    common::writeFileAtomically(gameDir / "FLT.CDF", buildDemoFltCdf());
    common::writeFileAtomically(gameDir / "DATA.CDF", buildDemoDataCdf());
}

} // namespace demogen
