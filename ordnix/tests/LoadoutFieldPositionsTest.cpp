// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutFixture.h"

#include "ordnix/core/LoadoutError.h"
#include "ordnix/core/LoadoutFieldPositions.h"
#include "ordnix/core/LoadoutFileCatalogue.h"
#include "ordnix/core/LoadoutLayout.h"
#include "ordnix/core/LoadoutRecord.h"
#include "ordnix/core/MissionOptions.h"
#include "ordnix/core/ScriptApply.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace ordnix {
namespace {

using testing::blankLoadout;
using testing::imageOf;

// Every field of a record as one list, in the order the names give them.
std::vector<std::string> recordValues(const LoadoutImage& image, std::size_t i)
{
    const LoadoutRecord r = ReadRecord(image, i);
    std::vector<std::string> values{r.planeCode, r.usedSlots};
    for (const WeaponSlot& s : r.weaponSlots)
        values.insert(values.end(), {s.weapon, s.rack, s.number, s.location, s.ifd, s.dbf});
    return values;
}

std::vector<std::string> missionValues(const LoadoutImage& image, std::size_t planeCode)
{
    std::vector<std::string> values;
    for (int t = 0; t < kMissionCount; ++t) {
        const MissionOptions m = ReadMission(image, OptionAnchor(planeCode), t);
        values.push_back(m.count);
        values.insert(values.end(), m.options.begin(), m.options.end());
    }
    return values;
}

// The named positions are those the readers read: changing the byte at the
// n-th name changes the n-th value read, and nothing else.
TEST(LoadoutFieldPositionsTest, EachNameIsTheByteItsReaderReads)
{
    const auto bytes = blankLoadout(29);
    const LoadoutImage before = imageOf(bytes);
    struct Reader {
        std::vector<NamedPosition> names;
        std::function<std::vector<std::string>(const LoadoutImage&)> read;
    };
    const std::vector<Reader> readers{
        {RecordFieldPositions(0), [](const LoadoutImage& image) { return recordValues(image, 0); }},
        {RecordFieldPositions(179), [](const LoadoutImage& image) { return recordValues(image, 179); }},
        {MissionFieldPositions(0), [](const LoadoutImage& image) { return missionValues(image, 0); }},
        {MissionFieldPositions(29), [](const LoadoutImage& image) { return missionValues(image, 29); }},
    };
    for (const Reader& reader : readers) {
        const auto original = reader.read(before);
        ASSERT_EQ(reader.names.size(), original.size());
        std::set<std::string> unique;
        for (std::size_t n = 0; n < reader.names.size(); ++n) {
            EXPECT_TRUE(unique.insert(reader.names[n].field).second) << reader.names[n].field;
            LoadoutImage changed = before;
            changed.setCurrent(reader.names[n].position, "x");
            auto expected = original;
            expected[n] = "x";
            EXPECT_EQ(reader.read(changed), expected) << reader.names[n].field;
        }
    }
    EXPECT_EQ(RecordFieldPositions(1)[1].field, "usedSlots");
    EXPECT_EQ(RecordFieldPositions(1)[1].position, 5u + 44u + 2u);
    EXPECT_EQ(MissionFieldPositions(2).back().field, "interdiction.option6");
    EXPECT_EQ(MissionFieldPositions(2)[7].field, "sweep.count");
}

// A position is named as the file's catalogue names the field there, with
// every option block a code byte reaches, and bytes the editor does not read
// have no name.
TEST(LoadoutFieldPositionsTest, FieldAtNamesEachPositionAsTheCatalogueDoes)
{
    const auto bytes = blankLoadout(255);
    std::map<std::size_t, LoadoutField> named;
    for (const common::FieldPlace& place : LoadoutFileCatalogue().fields(bytes))
        named[place.offset + 1] = {place.record, place.field, place.offset + 1};
    ASSERT_EQ(named.size(), 180u * 32u + 256u * 35u);
    for (std::size_t position = 1; position <= bytes.size() + 100; ++position) {
        const auto it = named.find(position);
        if (it == named.end()) {
            EXPECT_EQ(FieldAt(position), std::nullopt) << position;
        } else {
            EXPECT_EQ(FieldAt(position), it->second) << position;
        }
    }
}

// A script naming one position twice is refused, naming the line and the
// position: applied in order, the later value would win unseen.
TEST(ScriptPositionsTest, APositionGivenTwiceIsRefused)
{
    try {
        ParseScript("9\r\n4\r\n12\r\n1\r\n9\r\n5\r\n");
        FAIL() << "accepted";
    } catch (const LoadoutError& e) {
        EXPECT_STREQ(e.what(), "Line 5 names position 9 again (first on line 1).");
    }
    EXPECT_EQ(ParseScript("9\r\n4\r\n10\r\n4\r\n").size(), 2u);
}

} // namespace
} // namespace ordnix
