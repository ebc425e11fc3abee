// SPDX-License-Identifier: GPL-3.0-or-later
#include "rosterly/core/PlaneList.h"

#include "common/core/IoError.h"
#include "common/testing/TempDir.h"
#include "tools/demogen/RosterlyDemo.h"

#include <gtest/gtest.h>

namespace rosterly {
namespace {

std::string numberedLines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "Plane " + std::to_string(i) + "\r\n";
    return text;
}

TEST(PlaneList, CodesAbove29AreErrorsEvenWhenNamed)
{
    const PlaneList list = PlaneList::fromText(numberedLines(31));
    EXPECT_FALSE(list.tooLong());
    EXPECT_EQ(list.name(30), "Plane 30");
    EXPECT_EQ(list.recordName(29), "Plane 29");
    EXPECT_EQ(list.recordName(30), "Error");
    EXPECT_EQ(list.recordName(255), "Error");
    EXPECT_EQ(list.recordName(0), "Plane 0");
}

TEST(PlaneList, KeepsTheFirst31LinesOfALongerFileAndCountsAll)
{
    const PlaneList list = PlaneList::fromText(numberedLines(33));
    EXPECT_TRUE(list.tooLong());
    EXPECT_EQ(list.linesInFile(), 33);
    EXPECT_EQ(list.name(30), "Plane 30");
    EXPECT_EQ(list.name(31), "");
    EXPECT_EQ(list.name(-1), "");
}

TEST(PlaneList, LineNumberIsTheCodeWhateverTheLineEnds)
{
    // Blank lines are entries of their own and shift every later name.
    const PlaneList list = PlaneList::fromText("Bf 109E\n\r\nFw 190A\r\nHe 111");
    EXPECT_EQ(list.linesInFile(), 4);
    EXPECT_EQ(list.name(0), "Bf 109E");
    EXPECT_EQ(list.name(1), "");
    EXPECT_EQ(list.name(2), "Fw 190A");
    EXPECT_EQ(list.name(3), "He 111");
    // A code beyond a short list has no name: it shows as an error.
    EXPECT_EQ(list.recordName(20), "Error");
    EXPECT_EQ(list.recordName(1), "");
}

TEST(PlaneList, LoadsTheGeneratedList)
{
    common::TempDir dir;
    common::writeAllText(dir / "planes.txt", demogen::buildPlanesTxt());
    const PlaneList list = PlaneList::load(dir / "planes.txt");
    EXPECT_EQ(list.linesInFile(), 30);
    EXPECT_EQ(list.name(9), "Hurricane IIc");
    EXPECT_EQ(list.name(29), "V-1");

    try {
        PlaneList::load(dir / "missing.txt");
        FAIL() << "no error for a missing list";
    } catch (const common::IoError& e) {
        EXPECT_EQ(e.failure(), common::IoFailure::FileNotFound);
    }
}

} // namespace
} // namespace rosterly
