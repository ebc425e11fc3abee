// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutFixture.h"

#include "ordnix/core/ChangeScript.h"
#include "ordnix/core/ImageSnapshot.h"
#include "ordnix/core/LoadoutError.h"
#include "ordnix/core/LoadoutLayout.h"
#include "ordnix/core/LoadoutRecord.h"
#include "ordnix/core/MissionOptions.h"
#include "ordnix/core/RecordBlocks.h"
#include "ordnix/core/RecordList.h"
#include "ordnix/core/SlotFields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace ordnix {
namespace {

using testing::blankLoadout;
using testing::imageOf;
using testing::recordOffset;
using testing::setCodes;
using testing::setSlot;

// The current values of record i's 44 bytes.
std::vector<std::string> recordTexts(const LoadoutImage& image, std::size_t i)
{
    std::vector<std::string> texts;
    for (std::size_t k = 0; k < 44; ++k)
        texts.push_back(image.currentText(recordOffset(i) + 1 + k));
    return texts;
}

std::set<std::size_t> changedPositions(const LoadoutImage& image)
{
    std::set<std::size_t> positions;
    for (const ChangedByte& c : ChangedBytes(image))
        positions.insert(c.position);
    return positions;
}

NameList planeList(int count)
{
    NameList planes("Planes.txt", 51);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back("Plane" + std::to_string(i));
    planes.setNames(names);
    return planes;
}

TEST(RecordViewTest, ReadsTheFieldsOfARecord)
{
    auto bytes = blankLoadout();
    setCodes(bytes, {0, 0, 0, 12});
    bytes[recordOffset(3, 2)] = 2;
    setSlot(bytes, 3, 1, {7, 3, 4, 5, 2, 40});
    const LoadoutRecord r = ReadRecord(imageOf(bytes), 3);
    EXPECT_EQ(r.planeCode, "12");
    EXPECT_EQ(r.usedSlots, "2");
    EXPECT_EQ(r.weaponSlots[1].weapon, "7");
    EXPECT_EQ(r.weaponSlots[1].rack, "3");
    EXPECT_EQ(r.weaponSlots[1].number, "4");
    EXPECT_EQ(r.weaponSlots[1].location, "5");
    EXPECT_EQ(r.weaponSlots[1].ifd, "2");
    EXPECT_EQ(r.weaponSlots[1].dbf, "40");
    EXPECT_EQ(r.weaponSlots[0].weapon, "0");
}

TEST(RecordViewTest, WritingAFieldChangesOnlyItsByte)
{
    LoadoutImage image = imageOf(blankLoadout());
    LoadoutRecord r = ReadRecord(image, 7);
    WriteRecord(image, 7, r);
    EXPECT_TRUE(ChangedBytes(image).empty());

    const std::size_t p0 = RecordStart(7);
    r.planeCode = "9";
    r.usedSlots = "5";
    r.weaponSlots[4] = {"11", "12", "13", "14", "15", "16"};
    WriteRecord(image, 7, r);
    const std::size_t s = p0 + 4 + 8 * 4;
    EXPECT_EQ(changedPositions(image), (std::set<std::size_t>{p0, p0 + 2, s, s + 1, s + 2, s + 3, s + 4, s + 6}));
    EXPECT_EQ(image.currentText(s + 6), "16");
}

TEST(MissionOptionsTest, MissionFourOfCodeTwoLiesAt8100)
{
    auto bytes = blankLoadout();
    bytes[8099] = 3;
    for (int k = 0; k < 6; ++k)
        bytes[8100 + k] = static_cast<std::uint8_t>(10 + k);
    const MissionOptions m = ReadMission(imageOf(bytes), OptionAnchor(2), 4);
    EXPECT_EQ(OptionAnchor(2), 8049u);
    EXPECT_EQ(m.countPosition, 8100u);
    EXPECT_EQ(m.count, "3");
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(m.optionPositions[k], 8101 + k);
        EXPECT_EQ(m.options[k], std::to_string(10 + k));
    }
    EXPECT_EQ(ReadMission(imageOf(bytes), OptionAnchor(0), 0).countPosition, 7932u);
}

TEST(MissionOptionsTest, StoresTheCountAsTypedAndOptionsRoundedDown)
{
    LoadoutImage image = imageOf(blankLoadout());
    MissionOptions m = ReadMission(image, OptionAnchor(1), 2);
    m.count = " 12";
    m.options = {"7.9", "abc", "3", "-0.5", "4x", "255"};
    StoreMission(image, m);
    EXPECT_EQ(image.currentText(m.countPosition), " 12");
    const std::vector<std::string> expected{"7", "0", "3", "-1", "4", "255"};
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_EQ(image.currentText(m.optionPositions[k]), expected[k]) << k;
    EXPECT_EQ(changedPositions(image).size(), 7u);
}

TEST(MissionOptionsTest, StoresNothingWhenTheBlockRunsPastTheEnd)
{
    LoadoutImage image = imageOf(blankLoadout(3));
    MissionOptions m = ReadMission(image, OptionAnchor(3), 0);
    m.optionPositions[5] = image.size() + 1;
    m.count = "1";
    EXPECT_THROW(StoreMission(image, m), std::out_of_range);
    EXPECT_TRUE(ChangedBytes(image).empty());
}

TEST(NameRecordsTest, NumbersRunsOfOneAircraft)
{
    auto bytes = blankLoadout();
    setCodes(bytes, {3, 3, 5, 5, 5});
    for (std::size_t i = 5; i < 180; ++i)
        bytes[recordOffset(i)] = 9;
    const RecordList list = NameRecords(imageOf(bytes), planeList(30));
    const std::vector<std::string> expected{"Plane3 1", "Plane3 2", "Plane5 1", "Plane5 2", "Plane5 3", "Plane9 1"};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(list[i].name, expected[i]) << i;
        EXPECT_FALSE(list[i].hidden) << i;
        EXPECT_EQ(list[i].start, 5 + 44 * i);
    }
    EXPECT_EQ(list[179].name, "Plane9 175");
}

TEST(NameRecordsTest, HidesAnOutOfOrderRecordButCountsItAsANeighbour)
{
    auto bytes = blankLoadout();
    setCodes(bytes, {4, 4, 2, 2, 4, 5});
    for (std::size_t i = 6; i < 180; ++i)
        bytes[recordOffset(i)] = 5;
    const RecordList list = NameRecords(imageOf(bytes), planeList(30));
    EXPECT_EQ(list[1].name, "Plane4 2");
    EXPECT_TRUE(list[2].hidden);
    EXPECT_TRUE(list[3].hidden);
    // The code 2 records broke the run, so the next code 4 record starts again.
    EXPECT_FALSE(list[4].hidden);
    EXPECT_EQ(list[4].name, "Plane4 1");
    EXPECT_EQ(list[5].name, "Plane5 1");
}

TEST(NameRecordsTest, ACodeBeyondThePlaneListIsNamedByItsNumber)
{
    auto bytes = blankLoadout();
    setCodes(bytes, {1, 57});
    for (std::size_t i = 2; i < 180; ++i)
        bytes[recordOffset(i)] = 57;
    const RecordList list = NameRecords(imageOf(bytes), planeList(30));
    EXPECT_EQ(list[0].name, "Plane1 1");
    EXPECT_EQ(list[1].name, "(code 57) 1");
    EXPECT_EQ(list[2].name, "(code 57) 2");
}

class RecordBlocksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto bytes = blankLoadout();
        // Every record different, so that any move shows.
        for (std::size_t i = 0; i < 180; ++i) {
            bytes[recordOffset(i)] = static_cast<std::uint8_t>(i / 6);
            setSlot(bytes, i, 0, {static_cast<int>(i % 200), 1, 2, 3, 4, static_cast<int>(i % 97)});
        }
        image = imageOf(bytes);
        for (std::size_t i = 0; i < 180; ++i)
            before.push_back(recordTexts(image, i));
    }

    LoadoutImage image;
    std::vector<std::vector<std::string>> before;
};

TEST_F(RecordBlocksTest, InsertingACopyOfRecord177OverwritesRecord178Only)
{
    InsertRecordCopy(image, 177);
    for (std::size_t i = 0; i <= 177; ++i)
        EXPECT_EQ(recordTexts(image, i), before[i]) << i;
    EXPECT_EQ(recordTexts(image, 178), before[177]);
    EXPECT_EQ(recordTexts(image, 179), before[179]);
    EXPECT_TRUE(ChangedBytes(image).empty()); // the loaded values moved along
}

TEST_F(RecordBlocksTest, InsertingInTheMiddleMovesTheFollowingRecordsDown)
{
    const std::string followingByte = image.currentText(7925);
    InsertRecordCopy(image, 10);
    for (std::size_t i = 0; i <= 10; ++i)
        EXPECT_EQ(recordTexts(image, i), before[i]) << i;
    for (std::size_t i = 11; i <= 178; ++i)
        EXPECT_EQ(recordTexts(image, i), before[i - 1]) << i;
    EXPECT_EQ(recordTexts(image, 179), before[179]);
    EXPECT_EQ(image.currentText(7925), followingByte); // nothing spills past the records
}

TEST_F(RecordBlocksTest, InsertingBehindTheLastRecordIsRefused)
{
    const std::string bytesAfter = image.currentText(7925);
    EXPECT_THROW(CheckInsertRecordCopy(image, 179), LoadoutError);
    EXPECT_NO_THROW(CheckInsertRecordCopy(image, 178));
    EXPECT_THROW(InsertRecordCopy(image, 179), LoadoutError);
    for (std::size_t i = 0; i < 180; ++i)
        EXPECT_EQ(recordTexts(image, i), before[i]) << i;
    EXPECT_EQ(image.currentText(7925), bytesAfter);
}

TEST_F(RecordBlocksTest, DeletingRecord0MovesAllUpAndLeavesTheLastTwice)
{
    DeleteRecord(image, 0);
    for (std::size_t i = 0; i <= 178; ++i)
        EXPECT_EQ(recordTexts(image, i), before[i + 1]) << i;
    EXPECT_EQ(recordTexts(image, 179), before[179]);
    EXPECT_EQ(recordTexts(image, 178), recordTexts(image, 179));
    EXPECT_TRUE(ChangedBytes(image).empty());
}

TEST_F(RecordBlocksTest, DeletingTheLastRecordMovesNothing)
{
    DeleteRecord(image, 179);
    for (std::size_t i = 0; i < 180; ++i)
        EXPECT_EQ(recordTexts(image, i), before[i]) << i;
}

TEST_F(RecordBlocksTest, EditsMoveWithTheirRecord)
{
    const std::size_t number = RecordStart(20) + 4 + 2;
    image.setCurrent(number, "03");
    InsertRecordCopy(image, 19);
    // The edit moved to record 21; record 20 is now an unedited copy of 19.
    const auto changes = ChangedBytes(image);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].position, number + 44);
    EXPECT_EQ(changes[0].value, "03");
    EXPECT_EQ(image.loadedText(number + 44), "2");
}

// Putting back a stretch kept before a move: typed texts ("03", "x") in
// either column come back as typed, and the change script as it was.
TEST_F(RecordBlocksTest, ASnapshotPutsAMovedStretchBackAsTyped)
{
    const std::size_t number = RecordStart(20) + 4 + 2;
    image.setCurrent(number, "03");
    image.setLoaded(number + 1, "x");
    const auto script = [this] {
        std::vector<std::pair<std::size_t, std::string>> lines;
        for (const ChangedByte& c : ChangedBytes(image))
            lines.emplace_back(c.position, c.value);
        return lines;
    };
    const ImageSnapshot kept(image, RecordStart(19), kRecordsEnd);
    const auto scriptBefore = script();
    InsertRecordCopy(image, 19);
    ASSERT_NE(script(), scriptBefore);

    kept.restore(image);
    EXPECT_EQ(ImageSnapshot(image, RecordStart(19), kRecordsEnd), kept);
    EXPECT_EQ(script(), scriptBefore);
    EXPECT_EQ(image.currentText(number), "03");
    EXPECT_EQ(image.loadedText(number + 1), "x");
    for (std::size_t i = 0; i < 180; ++i) {
        if (i != 20) {
            EXPECT_EQ(recordTexts(image, i), before[i]) << i;
        }
    }
}

// The positions two snapshots differ at: a text typed in another form of
// the same byte ("03" for 3) counts, in either column, and so does a move.
TEST_F(RecordBlocksTest, SnapshotsTellThePositionsWhereTheyDiffer)
{
    const std::size_t number = RecordStart(20) + 4 + 2;
    const ImageSnapshot kept(image, RecordStart(19), RecordStart(22) - 1);
    EXPECT_TRUE(kept.changedPositions(kept).empty());

    const std::size_t unused = number + 8; // slot 1's number, 0
    image.setCurrent(number, "03");
    image.setLoaded(number + 1, "x");
    image.setCurrent(unused, "00");
    image.setCurrent(RecordStart(21), image.currentText(RecordStart(21))); // the same text again
    const ImageSnapshot edited(image, RecordStart(19), RecordStart(22) - 1);
    const std::vector<std::size_t> expected{number, number + 1, unused};
    EXPECT_EQ(kept.changedPositions(edited), expected);
    EXPECT_EQ(edited.changedPositions(kept), expected);

    InsertRecordCopy(image, 19);
    const ImageSnapshot moved(image, RecordStart(19), RecordStart(22) - 1);
    const auto positions = edited.changedPositions(moved);
    // Record 20 became a copy of 19, which differs from it in its code and slot 0.
    EXPECT_TRUE(std::find(positions.begin(), positions.end(), RecordStart(20) + 4) != positions.end());
    EXPECT_TRUE(std::find(positions.begin(), positions.end(), number + 44) != positions.end());
    EXPECT_THROW((void)kept.changedPositions(ImageSnapshot(image, 1, 10)), std::invalid_argument);
}

TEST(SlotFieldsTest, NormalisingResetsEmptySlotsAndCountsToTheLastInUse)
{
    SlotFields fields;
    fields.usedSlots = "1";
    const char* numbers[] = {"2", "0", "1", "0", "0"};
    for (int j = 0; j < 5; ++j) {
        fields.choices[j] = {j + 3, j + 4, j + 5, numbers[j], "9", "8"};
    }
    NormaliseSlots(fields);
    EXPECT_EQ(fields.usedSlots, "3");
    for (int j : {1, 3, 4}) {
        EXPECT_EQ(fields.choices[j].weapon, 0) << j;
        EXPECT_EQ(fields.choices[j].rack, 0) << j;
        EXPECT_EQ(fields.choices[j].location, 0) << j;
        EXPECT_EQ(fields.choices[j].ifd, "0") << j;
        EXPECT_EQ(fields.choices[j].dbf, "0") << j;
    }
    EXPECT_EQ(fields.choices[2].weapon, 5);
    EXPECT_EQ(fields.choices[2].ifd, "9");
}

TEST(SlotFieldsTest, OnlyExactlyZeroMeansNotInUse)
{
    SlotFields fields;
    fields.usedSlots = "4";
    for (auto& slot : fields.choices)
        slot.number = "0";
    fields.choices[1].number = "00";
    fields.choices[1].weapon = 6;
    NormaliseSlots(fields);
    EXPECT_EQ(fields.usedSlots, "2");
    EXPECT_EQ(fields.choices[1].weapon, 6);

    for (auto& slot : fields.choices)
        slot.number = "0";
    fields.usedSlots = "4";
    NormaliseSlots(fields);
    EXPECT_EQ(fields.usedSlots, "4"); // no slot in use: the record's count stays
}

TEST(SlotFieldsTest, ACodeBeyondItsListChoosesNothingAndKeepsItsByte)
{
    auto bytes = blankLoadout();
    bytes[recordOffset(0, 2)] = 1;
    setSlot(bytes, 0, 0, {57, 2, 1, 3, 1, 20});
    LoadoutImage image = imageOf(bytes);
    LoadoutRecord record = ReadRecord(image, 0);

    SlotFields fields = SlotFieldsFromRecord(record, 25, 10, 10);
    EXPECT_EQ(fields.choices[0].weapon, -1);
    EXPECT_EQ(fields.choices[0].rack, 2);
    EXPECT_EQ(SlotFieldsFromRecord(record, 25, 2, 10).choices[0].rack, -1);

    fields.choices[0].location = 4;
    ApplySlotFields(record, fields);
    WriteRecord(image, 0, record);
    EXPECT_EQ(image.currentText(9), "57");
    const auto changes = ChangedBytes(image);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].position, 12u);
    EXPECT_EQ(changes[0].value, "4");
}

} // namespace
} // namespace ordnix
