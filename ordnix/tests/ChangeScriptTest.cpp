// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutFixture.h"

#include "ordnix/core/ChangeScript.h"
#include "ordnix/core/LoadoutRecord.h"
#include "ordnix/core/SlotFields.h"

#include "common/core/IoError.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

namespace ordnix {
namespace {

using common::readAllText;
using testing::blankLoadout;
using testing::imageOf;
using testing::recordOffset;
using testing::setSlot;

// What "OK" does: the slot editor, as shown for the record, edited and put back.
template <typename Edit>
void editSlots(LoadoutImage& image, std::size_t i, Edit edit)
{
    LoadoutRecord record = ReadRecord(image, i);
    SlotFields fields = SlotFieldsFromRecord(record, 25, 10, 10);
    NormaliseSlots(fields);
    edit(fields);
    ApplySlotFields(record, fields);
    WriteRecord(image, i, record);
}

class ChangeScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto bytes = blankLoadout();
        bytes[recordOffset(0, 2)] = 1;
        setSlot(bytes, 0, 0, {1, 2, 3, 4, 1, 30});
        image = imageOf(bytes);
    }

    std::string script()
    {
        WriteScript(image, dir / "change.lox");
        return readAllText(dir / "change.lox");
    }

    common::TempDir dir;
    LoadoutImage image;
};

TEST_F(ChangeScriptTest, AnUneditedImageGivesAnEmptyScript)
{
    editSlots(image, 0, [](SlotFields&) {});
    EXPECT_EQ(script(), "");
}

TEST_F(ChangeScriptTest, AnotherWeaponIsOnePositionAndItsValue)
{
    editSlots(image, 0, [](SlotFields& f) { f.choices[0].weapon = 4; });
    EXPECT_EQ(script(), "9\r\n4\r\n");

    editSlots(image, 0, [](SlotFields& f) { f.choices[0].weapon = 1; });
    EXPECT_EQ(script(), "");
}

TEST_F(ChangeScriptTest, ALeadingZeroIsAChange)
{
    editSlots(image, 0, [](SlotFields& f) { f.choices[0].number = "03"; });
    EXPECT_EQ(script(), "11\r\n03\r\n");
}

TEST_F(ChangeScriptTest, ListsChangesInPositionOrderAndKeepsTheLoadedValues)
{
    image.setCurrent(9000, "x");
    image.setCurrent(5, "7");
    image.setCurrent(600, "12.5");
    const std::string first = script();
    EXPECT_EQ(first, "5\r\n7\r\n600\r\n12.5\r\n9000\r\nx\r\n");
    // Writing again reports the same changes: the loaded values stay.
    EXPECT_EQ(script(), first);
}

TEST_F(ChangeScriptTest, PlainAndTypedTextsCompareTheSameWay)
{
    // One typed text anywhere switches to comparing texts; the answer must not change.
    image.setCurrent(100, "4");
    const auto plainOnly = ChangedBytes(image);
    image.setCurrent(200, image.loadedText(200));
    image.setCurrent(300, " " + image.loadedText(300));
    const auto mixed = ChangedBytes(image);
    ASSERT_EQ(plainOnly.size(), 1u);
    ASSERT_EQ(mixed.size(), plainOnly.size() + 1);
    EXPECT_EQ(mixed.back().position, 300u);
}

TEST_F(ChangeScriptTest, ReplacesAnExistingScript)
{
    common::writeAllText(dir / "change.lox", "old contents that are longer\r\n");
    image.setCurrent(5, "7");
    EXPECT_EQ(script(), "5\r\n7\r\n");
}

TEST(ReadTextTest, EndsEveryLineWithCrLf)
{
    common::TempDir dir;
    common::writeAllText(dir / "three.txt", "one\ntwo\r\nthree");
    EXPECT_EQ(ReadText(dir / "three.txt"), "one\r\ntwo\r\nthree\r\n");
    common::writeAllText(dir / "empty.txt", "");
    EXPECT_EQ(ReadText(dir / "empty.txt"), "");
    EXPECT_THROW(ReadText(dir / "missing.txt"), common::IoError);
}

} // namespace
} // namespace ordnix
