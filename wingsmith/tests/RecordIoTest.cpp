// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/FlightRecordIo.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/GunTableIo.h"
#include "wingsmith/tests/AircraftFields.h"

#include "common/core/IoError.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

namespace wingsmith {
namespace {

using common::BinaryFile;
using Bytes = std::vector<std::uint8_t>;

std::set<std::size_t> differingOffsets(const Bytes& a, const Bytes& b)
{
    std::set<std::size_t> out;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            out.insert(i);
    return out;
}

void addRange(std::set<std::size_t>& s, std::size_t from, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        s.insert(from + i);
}

const AircraftCatalogue& catalogue()
{
    return AircraftCatalogue::program();
}

// Every interpreted field set to a value whose bytes all differ from 0xAA.
AircraftValues distinctValues()
{
    AircraftValues v;
    float x = 1.0f;
    for (const RecordField& f : fltRecordFields())
        if (f.type == FieldType::Float)
            v.setFloat(RecordKind::FlightRecord, f, x += 1.0f);
    test::setInt(v, "engineCount", 3);
    test::setInt(v, "engineType", 1);
    test::setFloat(v, "engineBestAltitude", 1500.0f);
    test::setBits(v, "propellerFactor", 0x3BB59147);
    test::setBits(v, "torqueMultiplier", 0x41CCCCCD);
    for (int g = 1; g <= 6; ++g) {
        test::setInt(v, "gun" + std::to_string(g) + ".gunId", 0x1234);
        test::setInt(v, "gun" + std::to_string(g) + ".tracerRange", 0x0101);
    }
    test::setInt(v, "collisionUnknown", 0x01020304);
    test::setInt(v, "collisionRadius", 0x05060708);
    return v;
}

bool sameField(const AircraftValues& a, const AircraftValues& b, RecordKind record, const RecordField& f)
{
    const auto x = a.bytes(record).subspan(f.offset, fieldWidth(f.type));
    const auto y = b.bytes(record).subspan(f.offset, fieldWidth(f.type));
    return std::equal(x.begin(), x.end(), y.begin());
}

class FlightRecordWrite : public ::testing::TestWithParam<int> {};

// Writing a record touches exactly the interpreted fields of the groups up
// to the count, and nothing of the 564 uninterpreted bytes.
TEST_P(FlightRecordWrite, ChangesOnlyInterpretedFieldsUpToTheGroupCount)
{
    const int groups = GetParam();
    common::TempDir dir;
    // Written over two different fillers, so a value byte that happens to
    // equal one filler still shows against the other.
    std::set<std::size_t> touched;
    for (std::uint8_t filler : {0xAA, 0x55}) {
        const Bytes before(FltRecord::kSize, filler);
        common::writeAllBytes(dir / "X.FLT", before);
        auto file = BinaryFile::open(dir / "X.FLT", BinaryFile::Mode::ReadWrite);
        writeFlightRecord(catalogue(), file, 0, distinctValues().flight, groups);
        file.close();
        const auto after = common::readAllBytes(dir / "X.FLT");
        ASSERT_EQ(after.size(), FltRecord::kSize);
        touched.merge(differingOffsets(before, after));
    }

    std::set<std::size_t> expected;
    addRange(expected, 0, 316);
    for (int g = 0; g < groups; ++g)
        addRange(expected, 596 + 44 * static_cast<std::size_t>(g), 44);
    addRange(expected, 1084, 140);
    EXPECT_EQ(touched, expected);

    // And it reads back to the same values; groups beyond the count are
    // not read.
    AircraftValues back;
    auto again = BinaryFile::open(dir / "X.FLT", BinaryFile::Mode::Read);
    readFlightRecord(catalogue(), again, 0, groups, back.flight);
    const AircraftValues written = distinctValues();
    for (const RecordField& f : fltRecordFields()) {
        if (f.gunGroup <= groups)
            EXPECT_TRUE(sameField(back, written, RecordKind::FlightRecord, f)) << f.name;
        else
            EXPECT_TRUE(sameField(back, AircraftValues{}, RecordKind::FlightRecord, f)) << f.name << " was read";
    }
}

INSTANTIATE_TEST_SUITE_P(GroupCounts, FlightRecordWrite, ::testing::Values(0, 2, 6),
    [](const auto& info) { return "groups" + std::to_string(info.param); });

class GunTableWrite : public ::testing::TestWithParam<int> {};

TEST_P(GunTableWrite, ChangesOnlyTheRowsFieldsUpToTheGroupCount)
{
    const int groups = GetParam();
    common::TempDir dir;
    const Bytes before(kGunTableSize, 0xAA);
    common::writeAllBytes(dir / "planes.dat", before);

    AircraftValues v;
    v.planes.setGunGroupCount(static_cast<std::int16_t>(groups));
    const std::array<std::pair<const char*, int>, 6> group{
        {{"guns", 1}, {"position", 2}, {"caliber", 4}, {"ammo", 500}, {"sound", 1}, {"smoke", 1}}};
    for (int g = 1; g <= 6; ++g)
        for (const auto& [name, value] : group)
            test::setInt(v, "gun" + std::to_string(g) + "." + name, value);
    int n = 0;
    for (const RecordField& f : gunTableRowFields())
        if (f.name.starts_with("typeFlags") || f.name.starts_with("hitPoints."))
            v.setInteger(RecordKind::GunTableRow, f, ++n * 10);

    const std::uint64_t base = 216 * 7;
    auto file = BinaryFile::open(dir / "planes.dat", BinaryFile::Mode::ReadWrite);
    writeGunTableRow(catalogue(), file, base, v.planes);
    file.close();

    std::set<std::size_t> expected;
    addRange(expected, base + 8, 4);
    addRange(expected, base + 76, 14);
    addRange(expected, base + 92, 12 * static_cast<std::size_t>(groups));
    EXPECT_EQ(differingOffsets(before, common::readAllBytes(dir / "planes.dat")), expected);

    AircraftValues back;
    auto again = BinaryFile::open(dir / "planes.dat", BinaryFile::Mode::Read);
    readGunTableRow(catalogue(), again, base, back.planes);
    EXPECT_EQ(back.planes.gunGroupCount(), groups);
    for (const RecordField& f : gunTableRowFields()) {
        if (f.gunGroup <= groups) {
            EXPECT_TRUE(sameField(back, v, RecordKind::GunTableRow, f)) << f.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(GroupCounts, GunTableWrite, ::testing::Values(0, 3, 6),
    [](const auto& info) { return "groups" + std::to_string(info.param); });

TEST(RecordIo, UnlistedPatternsAndOddBitsSurviveUnchanged)
{
    common::TempDir dir;
    Bytes record(FltRecord::kSize, 0);
    // One unit above the "3 blades" pattern, and a signalling NaN in a grid value.
    const Bytes prop{0x48, 0x91, 0xB5, 0x3B};
    std::copy(prop.begin(), prop.end(), record.begin() + 16);
    const Bytes nan{0x01, 0x00, 0x80, 0x7F};
    std::copy(nan.begin(), nan.end(), record.begin() + 144);
    common::writeAllBytes(dir / "A.FLT", record);

    AircraftValues v;
    {
        auto f = BinaryFile::open(dir / "A.FLT", BinaryFile::Mode::Read);
        readFlightRecord(catalogue(), f, 0, 0, v.flight);
    }
    EXPECT_EQ(test::bitsOf(v, "propellerFactor"), 0x3BB59148u);
    common::writeAllBytes(dir / "B.FLT", Bytes(FltRecord::kSize, 0));
    auto out = BinaryFile::open(dir / "B.FLT", BinaryFile::Mode::ReadWrite);
    writeFlightRecord(catalogue(), out, 0, v.flight, 0);
    out.close();
    EXPECT_EQ(common::readAllBytes(dir / "B.FLT"), record);
}

TEST(RecordIo, ADamagedGroupCountNeverReachesPastSixGroups)
{
    common::TempDir dir;
    Bytes table(kGunTableSize, 0);
    table[88] = 9; // row 0 claims nine groups
    common::writeAllBytes(dir / "planes.dat", table);
    AircraftValues v;
    auto f = BinaryFile::open(dir / "planes.dat", BinaryFile::Mode::ReadWrite);
    readGunTableRow(catalogue(), f, 0, v.planes);
    EXPECT_EQ(v.planes.gunGroupCount(), 9);
    test::setInt(v, "gun6.ammo", 77);
    writeGunTableRow(catalogue(), f, 0, v.planes);
    f.close();
    const auto after = common::readAllBytes(dir / "planes.dat");
    EXPECT_EQ(after[92 + 60 + 6], 77);
    EXPECT_EQ(differingOffsets(table, after), (std::set<std::size_t>{92 + 60 + 6}));
}

// A record cut short: the fields the game's editor read before the one the
// file does not reach are stored, the rest keep what the values held.
struct CutCase {
    const char* name;
    RecordKind record;
    std::size_t length; // of the file, from the record's start
    int groups;
    // The fields stored from the file: stability before the fields in
    // front of it, each group's floats before any group's integers, the
    // row's count and groups before its first bytes.
    std::vector<std::string> stored;
};

std::vector<std::string> namesOfPage(const char* page, std::size_t count)
{
    std::vector<std::string> out;
    for (std::size_t n = 0; n < count; ++n)
        out.push_back(test::nthOfPage(page, n));
    return out;
}

std::vector<std::string> fltNamesBelow(std::size_t offset)
{
    std::vector<std::string> out;
    for (const RecordField& f : fltRecordFields())
        if (f.offset + fieldWidth(f.type) <= offset)
            out.push_back(f.name);
    return out;
}

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<CutCase> cutCases()
{
    const std::vector<std::string> gun1Floats{
        "gun1.firstPairX", "gun1.firstPairY", "gun1.z", "gun1.secondPairX", "gun1.secondPairY", "gun1.muzzleVelocity"};
    std::vector<std::string> twoGroups;
    for (const RecordField& f : fltRecordFields())
        if (f.gunGroup == 1 || f.gunGroup == 2)
            twoGroups.push_back(f.name);
    return {
        {"InsideStability", RecordKind::FlightRecord, 200, 2, namesOfPage(FieldPages::kStability, 14)},
        {"InsideTheFirstGroupsFloats", RecordKind::FlightRecord, 620, 2, joined(fltNamesBelow(316), gun1Floats)},
        {"InsideTheBubbles", RecordKind::FlightRecord, 1100, 2,
            joined(joined(fltNamesBelow(316), twoGroups),
                {"frontBubbleX", "frontBubbleY", "frontBubbleZ", "frontBubbleSize"})},
        {"InsideTheFirstGunGroup", RecordKind::GunTableRow, 100, 2,
            {"gunGroupCount", "gun1.guns", "gun1.position", "gun1.caliber", "gun1.ammo"}},
    };
}

class RecordCutShort : public ::testing::TestWithParam<CutCase> {};

TEST_P(RecordCutShort, KeepsWhatWasReadBeforeTheFieldItDoesNotReach)
{
    const CutCase& c = GetParam();
    const bool row = c.record == RecordKind::GunTableRow;
    Bytes file(c.length);
    for (std::size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<std::uint8_t>(i % 251 + 1); // no byte is 0
    if (row) {
        file[GunTableRow::kGroupCount] = static_cast<std::uint8_t>(c.groups);
        file[GunTableRow::kGroupCount + 1] = 0;
    }

    AircraftValues v;
    if (row)
        EXPECT_THROW(decodeGunTableRow(catalogue(), file, 0, v.planes), common::IoError);
    else
        EXPECT_THROW(decodeFlightRecord(catalogue(), file, 0, c.groups, v.flight), common::IoError);

    const std::set<std::string> stored(c.stored.begin(), c.stored.end());
    for (const RecordField& f : catalogue().fields(c.record)) {
        const auto held = v.bytes(c.record).subspan(f.offset, fieldWidth(f.type));
        if (stored.count(f.name)) {
            ASSERT_LE(f.offset + held.size(), file.size()) << f.name;
            EXPECT_TRUE(std::equal(held.begin(), held.end(), file.begin() + static_cast<std::ptrdiff_t>(f.offset)))
                << f.name << " should have been read";
        } else {
            EXPECT_TRUE(std::all_of(held.begin(), held.end(), [](std::uint8_t b) { return b == 0; }))
                << f.name << " should not have been read";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cuts, RecordCutShort, ::testing::ValuesIn(cutCases()),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace wingsmith
