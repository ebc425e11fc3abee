// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/FlightRecordIo.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/GunTableIo.h"

#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

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

// Every interpreted field set to a value whose bytes all differ from 0xAA.
FlightValues distinctFlightValues()
{
    FlightValues v;
    float x = 1.0f;
    for (auto& s : v.stability)
        s = x += 1.0f;
    v.engineCount = 3;
    v.engineType = 1;
    v.engineBestAltitude = 1500.0f;
    v.engineUnknown1 = 0.5f;
    v.engineUnknown2 = 0.25f;
    v.propellerFactor = 0x3BB59147;
    v.torqueMultiplier = 0x41CCCCCD;
    for (auto& c : v.controlSurfaces)
        c = x += 1.0f;
    for (auto& c : v.flightLimits)
        c = x += 1.0f;
    for (auto& c : v.massValues)
        c = x += 1.0f;
    for (auto& g : v.fltGunGroups) {
        for (auto& f : g.values)
            f = x += 1.0f;
        g.gunId = 0x1234;
        g.tracerRange = 0x0101;
    }
    for (auto& b : v.hitBubbles)
        b = x += 1.0f;
    v.collisionUnknown = 0x01020304;
    v.collisionRadius = 0x05060708;
    return v;
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
        writeFlightRecord(file, 0, distinctFlightValues(), groups);
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

    // And it reads back to the same values.
    FlightValues back;
    auto again = BinaryFile::open(dir / "X.FLT", BinaryFile::Mode::Read);
    readFlightRecord(again, 0, groups, back);
    const FlightValues written = distinctFlightValues();
    EXPECT_EQ(back.stability, written.stability);
    EXPECT_EQ(back.hitBubbles, written.hitBubbles);
    EXPECT_EQ(back.propellerFactor, written.propellerFactor);
    for (int g = 0; g < 6; ++g) {
        const auto idx = static_cast<std::size_t>(g);
        if (g < groups)
            EXPECT_EQ(back.fltGunGroups[idx].values, written.fltGunGroups[idx].values);
        else
            EXPECT_EQ(back.fltGunGroups[idx].gunId, 0) << "group " << g + 1 << " must not be read";
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

    PlanesValues v;
    v.gunGroupCount = static_cast<std::int16_t>(groups);
    for (auto& g : v.planesGunGroups)
        g = {1, 2, 4, 500, 1, 1};
    v.typeFlags = {1, 2, 3, 4};
    v.hitPoints = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120};

    const std::uint64_t base = 216 * 7;
    auto file = BinaryFile::open(dir / "planes.dat", BinaryFile::Mode::ReadWrite);
    writeGunTableRow(file, base, v);
    file.close();

    std::set<std::size_t> expected;
    addRange(expected, base + 8, 4);
    addRange(expected, base + 76, 14);
    addRange(expected, base + 92, 12 * static_cast<std::size_t>(groups));
    EXPECT_EQ(differingOffsets(before, common::readAllBytes(dir / "planes.dat")), expected);

    PlanesValues back;
    auto again = BinaryFile::open(dir / "planes.dat", BinaryFile::Mode::Read);
    readGunTableRow(again, base, back);
    EXPECT_EQ(back.gunGroupCount, groups);
    EXPECT_EQ(back.typeFlags, v.typeFlags);
    EXPECT_EQ(back.hitPoints, v.hitPoints);
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

    FlightValues v;
    {
        auto f = BinaryFile::open(dir / "A.FLT", BinaryFile::Mode::Read);
        readFlightRecord(f, 0, 0, v);
    }
    EXPECT_EQ(v.propellerFactor, 0x3BB59148u);
    common::writeAllBytes(dir / "B.FLT", Bytes(FltRecord::kSize, 0));
    auto out = BinaryFile::open(dir / "B.FLT", BinaryFile::Mode::ReadWrite);
    writeFlightRecord(out, 0, v, 0);
    out.close();
    EXPECT_EQ(common::readAllBytes(dir / "B.FLT"), record);
}

TEST(RecordIo, ADamagedGroupCountNeverReachesPastSixGroups)
{
    common::TempDir dir;
    Bytes table(kGunTableSize, 0);
    table[88] = 9; // row 0 claims nine groups
    common::writeAllBytes(dir / "planes.dat", table);
    PlanesValues v;
    auto f = BinaryFile::open(dir / "planes.dat", BinaryFile::Mode::ReadWrite);
    readGunTableRow(f, 0, v);
    EXPECT_EQ(v.gunGroupCount, 9);
    v.planesGunGroups[5].ammo = 77;
    writeGunTableRow(f, 0, v);
    f.close();
    const auto after = common::readAllBytes(dir / "planes.dat");
    EXPECT_EQ(after[92 + 60 + 6], 77);
    EXPECT_EQ(differingOffsets(table, after), (std::set<std::size_t>{92 + 60 + 6}));
}

} // namespace
} // namespace wingsmith
