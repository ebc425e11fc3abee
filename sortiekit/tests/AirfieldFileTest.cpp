// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortiekit/core/AirfieldFile.h"

#include "sortiekit/core/SortiekitError.h"

#include "common/core/IoError.h"
#include "common/testing/TempDir.h"
#include "tools/demogen/SortiekitDemo.h"

#include <gtest/gtest.h>

#include <functional>

namespace sortiekit {
namespace {

namespace fs = std::filesystem;
using common::readAllBytes;
using common::writeAllBytes;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t recordAt(int number)
{
    return 24 + 44 * static_cast<std::size_t>(number);
}

Bytes slotBytes(std::uint8_t v)
{
    return {v, 0, v, 0, v, 0, v, 0, 0};
}

Bytes bytesAt(const Bytes& image, std::size_t pos, std::size_t count)
{
    return Bytes(image.begin() + static_cast<std::ptrdiff_t>(pos), image.begin() + static_cast<std::ptrdiff_t>(pos + count));
}

TEST(AirfieldFile, MarksTheFourBasesAndTakesEveryOtherAirfieldOutOfTheSlots)
{
    const Bytes master = demogen::buildAirfieldBak();
    const Bytes image = AirfieldFile::withBases(master, {10, 20, 30, 161});
    ASSERT_EQ(image.size(), master.size());

    EXPECT_EQ(bytesAt(image, recordAt(10), 9), slotBytes(7));
    EXPECT_EQ(bytesAt(image, recordAt(20), 9), slotBytes(9));
    EXPECT_EQ(bytesAt(image, recordAt(30), 9), slotBytes(2));
    EXPECT_EQ(bytesAt(image, recordAt(161), 9), slotBytes(2));
    int untouchedAirfields = 0;
    for (int k = 0; k < 162; ++k) {
        if (k == 10 || k == 20 || k == 30 || k == 161)
            continue;
        EXPECT_EQ(bytesAt(image, recordAt(k), 8), Bytes(8, 0xFF)) << "airfield " << k;
        EXPECT_EQ(image[recordAt(k) + 8], master[recordAt(k) + 8]) << "airfield " << k;
        ++untouchedAirfields;
    }
    EXPECT_EQ(untouchedAirfields, 158);
    // Header, the rest of every record and the bytes after the last one survive.
    for (std::size_t i = 0; i < image.size(); ++i) {
        const bool field = i >= 24 && i < recordAt(162) && (i - 24) % 44 < 9;
        if (!field) {
            ASSERT_EQ(image[i], master[i]) << "byte " << i;
        }
    }
}

struct SameFieldCase {
    const char* name;
    std::array<int, 4> numbers;
    std::uint8_t value;
};

void PrintTo(const SameFieldCase& c, std::ostream* os)
{
    *os << c.name;
}

class AirfieldInTwoSlots : public testing::TestWithParam<SameFieldCase> {};

TEST_P(AirfieldInTwoSlots, KeepsTheLaterSlotsValue)
{
    const Bytes image = AirfieldFile::withBases(demogen::buildAirfieldBak(), GetParam().numbers);
    EXPECT_EQ(bytesAt(image, recordAt(50), 9), slotBytes(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(Slots, AirfieldInTwoSlots,
    testing::Values(SameFieldCase{"AlliedOneAndLuftwaffeOne", {50, 1, 50, 3}, 2},
        SameFieldCase{"AlliedOneAndAlliedTwo", {50, 50, 2, 3}, 9},
        SameFieldCase{"AlliedTwoAndLuftwaffeTwo", {0, 50, 2, 50}, 2},
        SameFieldCase{"AllFour", {50, 50, 50, 50}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AirfieldFile, EverySaveStartsAgainFromTheMasterCopy)
{
    common::TempDir dir;
    writeAllBytes(dir / "airfield.bak", demogen::buildAirfieldBak());
    AirfieldFile::saveSelection(dir.path(), {1, 2, 3, 4});
    const Bytes first = readAllBytes(dir / "airfield.dat");

    AirfieldFile::saveSelection(dir.path(), {5, 6, 7, 8});
    Bytes scribbled = readAllBytes(dir / "airfield.dat");
    scribbled[recordAt(100) + 20] ^= 0x5A;
    writeAllBytes(dir / "airfield.dat", scribbled);
    AirfieldFile::saveSelection(dir.path(), {1, 2, 3, 4});

    EXPECT_EQ(readAllBytes(dir / "airfield.dat"), first);
    EXPECT_EQ(readAllBytes(dir / "airfield.bak"), demogen::buildAirfieldBak());
}

TEST(AirfieldFile, StandardRemovesAirfieldDatOnly)
{
    common::TempDir dir;
    writeAllBytes(dir / "airfield.bak", demogen::buildAirfieldBak());
    EXPECT_FALSE(AirfieldFile::restoreStandard(dir.path()));
    EXPECT_EQ(readAllBytes(dir / "airfield.bak"), demogen::buildAirfieldBak());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    // A folder copied from Windows keeps the game's spelling.
    writeAllBytes(dir / "AIRFIELD.DAT", {1, 2, 3});
    EXPECT_TRUE(AirfieldFile::restoreStandard(dir.path()));
    EXPECT_FALSE(fs::exists(dir / "AIRFIELD.DAT"));
    EXPECT_TRUE(fs::exists(dir / "airfield.bak"));
}

struct RefusalCase {
    const char* name;
    std::function<void(const fs::path&)> prepare;
    std::function<void(const fs::path&)> act;
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class AirfieldRefusal : public testing::TestWithParam<std::tuple<RefusalCase, bool>> {};

// Whatever goes wrong, airfield.dat stays byte for byte as it was, or
// absent if it was absent.
TEST_P(AirfieldRefusal, LeavesAirfieldDatAsItWas)
{
    const auto& [refusal, datPresent] = GetParam();
    common::TempDir dir;
    writeAllBytes(dir / "airfield.bak", demogen::buildAirfieldBak());
    const Bytes old{'o', 'l', 'd', 0, 1, 2};
    if (datPresent)
        writeAllBytes(dir / "airfield.dat", old);
    refusal.prepare(dir.path());

    EXPECT_ANY_THROW(refusal.act(dir.path()));

    if (datPresent)
        EXPECT_EQ(readAllBytes(dir / "airfield.dat"), old);
    else
        EXPECT_FALSE(fs::exists(dir / "airfield.dat"));
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().filename().string().rfind(".airfield", 0), 0u) << "left behind: " << entry.path();
}

const auto save = [](const fs::path& d) { AirfieldFile::saveSelection(d, {98, 63, 158, 7}); };

INSTANTIATE_TEST_SUITE_P(Cases, AirfieldRefusal,
    testing::Combine(
        testing::Values(RefusalCase{"MissingMaster", [](const fs::path& d) { fs::remove(d / "airfield.bak"); }, save},
            RefusalCase{"ShortMaster",
                [](const fs::path& d) {
                    Bytes bak = demogen::buildAirfieldBak();
                    bak.resize(AirfieldFile::kMinimumSize - 1);
                    writeAllBytes(d / "airfield.bak", bak);
                },
                save},
            RefusalCase{"NumberPastTheLastRecord", [](const fs::path&) {},
                [](const fs::path& d) { AirfieldFile::saveSelection(d, {98, 162, 158, 7}); }},
            RefusalCase{"NegativeNumber", [](const fs::path&) {},
                [](const fs::path& d) { AirfieldFile::saveSelection(d, {98, 63, -1, 7}); }}),
        testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "_WithDat" : "_WithoutDat");
    });

// A read-only airfield.dat is the modder's protection: neither a save nor
// "Standard Vantor" replaces or removes it.
TEST(AirfieldFile, ReadOnlyAirfieldDatIsNeitherReplacedNorRemoved)
{
    common::TempDir dir;
    writeAllBytes(dir / "airfield.bak", demogen::buildAirfieldBak());
    const Bytes old{'o', 'l', 'd'};
    writeAllBytes(dir / "airfield.dat", old);
    fs::permissions(dir / "airfield.dat", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
        fs::perm_options::remove);

    try {
        AirfieldFile::saveSelection(dir.path(), {98, 63, 158, 7});
        ADD_FAILURE() << "a read-only airfield.dat was replaced";
    } catch (const common::IoError& e) {
        EXPECT_EQ(e.failure(), common::IoFailure::AccessDenied);
    }
    EXPECT_THROW(AirfieldFile::restoreStandard(dir.path()), common::IoError);
    EXPECT_EQ(readAllBytes(dir / "airfield.dat"), old);
}

} // namespace
} // namespace sortiekit
