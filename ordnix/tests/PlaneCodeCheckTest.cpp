// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordnix/core/LoadoutLayout.h"
#include "ordnix/core/PlaneCodeCheck.h"

#include "tools/demogen/OrdnixDemo.h"

#include <gtest/gtest.h>

namespace ordnix {
namespace {

NameList demoPlanes()
{
    NameList planes("Planes.txt", 51);
    planes.setNames(demogen::demoPlaneNames());
    return planes;
}

TEST(PlaneCodeCheck, NamesTheRecordsWhoseAircraftIsBeyondThePlaneList)
{
    const NameList planes = demoPlanes();
    ASSERT_GT(planes.count(), 2u);
    auto bytes = demogen::buildDemoLoadout();
    EXPECT_TRUE(planeCodesOutsideList(LoadoutImage(bytes, "loadout.dat"), planes).empty());

    // Record 3 names the line after the last, record 7 the last line.
    bytes[RecordStart(2) - 1] = static_cast<std::uint8_t>(planes.count());
    bytes[RecordStart(6) - 1] = static_cast<std::uint8_t>(planes.count() - 1);
    const auto warnings = planeCodesOutsideList(LoadoutImage(bytes, "loadout.dat"), planes);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].record, 3u);
    EXPECT_EQ(warnings[0].position, RecordStart(2));
    EXPECT_EQ(warnings[0].code, std::to_string(planes.count()));

    // Without a plane list nothing can be judged.
    EXPECT_TRUE(planeCodesOutsideList(LoadoutImage(bytes, "loadout.dat"), NameList("Planes.txt", 51)).empty());
}

} // namespace
} // namespace ordnix
