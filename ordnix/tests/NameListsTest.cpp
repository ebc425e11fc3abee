// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordnix/core/NameLists.h"

#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace ordnix {
namespace {

using common::writeAllText;

std::string numberedLines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "Mount " + std::to_string(i) + "\r\n";
    return text;
}

void writeAll(const common::TempDir& dir)
{
    writeAllText(dir / "Weapons.txt", "None\r\nBomb\r\nRocket\r\n");
    writeAllText(dir / "Planes.txt", "Alpha\r\nBravo\r\n");
    writeAllText(dir / "Locations.txt", "None\r\nWing\r\n");
    writeAllText(dir / "Mounts.txt", "None\r\nRack\r\n");
}

TEST(LoadListsTest, ReadsEachLineAsTheEntryOfItsCode)
{
    common::TempDir dir;
    writeAll(dir);
    const NameLists lists = LoadLists(dir.path());
    EXPECT_TRUE(lists.problems.empty());
    EXPECT_EQ(lists.weapons.names(), (std::vector<std::string>{"None", "Bomb", "Rocket"}));
    EXPECT_EQ(lists.weapons.nameOf(2, "2"), "Rocket");
    EXPECT_EQ(lists.planes.count(), 2u);
    EXPECT_EQ(lists.weapons.capacity(), 101u);
    EXPECT_EQ(lists.planes.capacity(), 51u);
    EXPECT_EQ(lists.locations.capacity(), 21u);
    EXPECT_EQ(lists.mounts.capacity(), 51u);
}

TEST(LoadListsTest, BlankLinesAreEntriesAndKeepTheirBlanks)
{
    common::TempDir dir;
    writeAll(dir);
    writeAllText(dir / "Weapons.txt", "None\r\n\r\n  Bomb \nRocket");
    const NameLists lists = LoadLists(dir.path());
    EXPECT_EQ(lists.weapons.names(), (std::vector<std::string>{"None", "", "  Bomb ", "Rocket"}));
    EXPECT_EQ(lists.weapons.nameOf(3, "3"), "Rocket");
}

TEST(LoadListsTest, AFullListIsReadCompletely)
{
    common::TempDir dir;
    writeAll(dir);
    writeAllText(dir / "Mounts.txt", numberedLines(51));
    const NameLists lists = LoadLists(dir.path());
    EXPECT_TRUE(lists.problems.empty());
    ASSERT_EQ(lists.mounts.count(), 51u);
    EXPECT_EQ(lists.mounts.names().back(), "Mount 50");
}

TEST(LoadListsTest, AnOverlongListKeepsWhatFitsAndSaysSo)
{
    common::TempDir dir;
    writeAll(dir);
    writeAllText(dir / "Mounts.txt", numberedLines(53));
    const NameLists lists = LoadLists(dir.path());
    EXPECT_EQ(lists.mounts.count(), 51u);
    ASSERT_EQ(lists.problems.size(), 1u);
    EXPECT_NE(lists.problems[0].find("Mounts.txt"), std::string::npos) << lists.problems[0];
    EXPECT_NE(lists.problems[0].find("53"), std::string::npos) << lists.problems[0];
}

TEST(LoadListsTest, AMissingListIsNamedAndTheOthersStillLoad)
{
    common::TempDir dir;
    writeAll(dir);
    std::filesystem::remove(dir / "Locations.txt");
    const NameLists lists = LoadLists(dir.path());
    ASSERT_EQ(lists.problems.size(), 1u);
    EXPECT_NE(lists.problems[0].find("Locations.txt"), std::string::npos) << lists.problems[0];
    EXPECT_EQ(lists.locations.count(), 0u);
    EXPECT_EQ(lists.mounts.count(), 2u);
}

TEST(LoadListsTest, FindsTheFilesInAnySpelling)
{
    common::TempDir dir;
    writeAllText(dir / "WEAPONS.TXT", "None\r\n");
    writeAllText(dir / "planes.txt", "Alpha\r\n");
    writeAllText(dir / "locations.TXT", "None\r\n");
    writeAllText(dir / "mounts.txt", "None\r\n");
    const NameLists lists = LoadLists(dir.path());
    EXPECT_TRUE(lists.problems.empty());
    EXPECT_EQ(lists.planes.names(), std::vector<std::string>{"Alpha"});
}

TEST(NameListTest, CodesBeyondTheListGetAPlaceholder)
{
    NameList planes("Planes.txt", 51);
    planes.setNames({"Alpha", "Bravo"});
    EXPECT_EQ(planes.nameOf(1, "1"), "Bravo");
    EXPECT_EQ(planes.nameOf(57, "57"), "(code 57)");
    EXPECT_EQ(planes.nameOf(1.5, "1.5"), "(code 1.5)");
    EXPECT_FALSE(planes.hasCode(2));
    EXPECT_FALSE(planes.hasCode(-1));
}

} // namespace
} // namespace ordnix
