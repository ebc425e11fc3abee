// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutFixture.h"

#include "ordnix/core/ChangeScript.h"
#include "ordnix/core/LoadoutFile.h"
#include "ordnix/core/LoadoutLayout.h"
#include "ordnix/core/LoadoutRecord.h"
#include "ordnix/core/MissionOptions.h"
#include "ordnix/core/NameLists.h"
#include "ordnix/core/RecordList.h"
#include "ordnix/core/SlotFields.h"

#include "tools/demogen/DemoInstallation.h"
#include "tools/demogen/OrdnixDemo.h"

#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace ordnix {
namespace {

// The demo installation is what a new user first sees: it must load, name
// every record, and show each record without the editor having to tidy it.
class DemoLoadoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        demogen::writeDemoInstallation(dir.path());
        lists = LoadLists(dir.path());
        image = LoadFile(dir.path(), "");
    }

    common::TempDir dir;
    NameLists lists;
    LoadoutImage image;
};

TEST_F(DemoLoadoutTest, ListsAndFileLoadWithoutComplaint)
{
    EXPECT_TRUE(lists.problems.empty());
    EXPECT_EQ(lists.planes.count(), 30u);
    EXPECT_EQ(image.size(), demogen::kDemoLoadoutSize);
}

TEST_F(DemoLoadoutTest, RecordsAreAscendingRunsOfEveryAircraft)
{
    const RecordList list = NameRecords(image, lists.planes);
    const auto runs = demogen::demoLoadoutRuns();
    std::size_t i = 0;
    for (std::size_t plane = 0; plane < runs.size(); ++plane) {
        EXPECT_GE(runs[plane], 2) << plane;
        for (int n = 1; n <= runs[plane]; ++n, ++i) {
            ASSERT_LT(i, 180u);
            EXPECT_FALSE(list[i].hidden);
            EXPECT_EQ(list[i].name, lists.planes.names()[plane] + " " + std::to_string(n));
        }
    }
    EXPECT_EQ(i, 180u);
}

TEST_F(DemoLoadoutTest, EveryRecordShowsAsItIsStored)
{
    for (std::size_t i = 0; i < kRecordCount; ++i) {
        const LoadoutRecord record = ReadRecord(image, i);
        SlotFields fields = SlotFieldsFromRecord(record, lists.weapons.count(), lists.mounts.count(),
            lists.locations.count());
        for (const SlotChoice& slot : fields.choices) {
            EXPECT_GE(slot.weapon, 0) << "record " << i;
            EXPECT_GE(slot.rack, 0) << "record " << i;
            EXPECT_GE(slot.location, 0) << "record " << i;
        }
        NormaliseSlots(fields);
        LoadoutRecord back = record;
        ApplySlotFields(back, fields);
        WriteRecord(image, i, back);
    }
    EXPECT_TRUE(ChangedBytes(image).empty());
}

TEST_F(DemoLoadoutTest, MissionOptionsNameRecordsOfTheirAircraft)
{
    const auto runs = demogen::demoLoadoutRuns();
    for (std::size_t plane = 0; plane < runs.size(); ++plane) {
        for (int t = 0; t < kMissionCount; ++t) {
            const MissionOptions m = ReadMission(image, OptionAnchor(plane), t);
            const int count = std::stoi(m.count);
            EXPECT_GE(count, 1);
            EXPECT_LE(count, std::min(6, runs[plane]));
            for (int k = 0; k < 6; ++k) {
                const int option = std::stoi(m.options[static_cast<std::size_t>(k)]);
                if (k < count) {
                    EXPECT_TRUE(option >= 1 && option <= runs[plane]) << plane << " " << t << " " << k;
                } else {
                    EXPECT_EQ(option, 0);
                }
            }
        }
    }
}

} // namespace
} // namespace ordnix
