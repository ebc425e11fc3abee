// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/FlightImport.h"
#include "wingsmith/core/FltRecord.h"

#include "common/core/LittleEndian.h"

#include <gtest/gtest.h>

namespace wingsmith {
namespace {

// An installation in memory: every aircraft with one gun group in use.
AircraftFiles oneGroupEach()
{
    AircraftFiles files;
    files.gunTable.assign(kGunTableSize, 0);
    for (int p = 0; p < kAircraftCount; ++p)
        common::le::putI16(files.gunTable, GunTableRow::kSize * static_cast<std::size_t>(p) + GunTableRow::kGroupCount, 1);
    for (auto& record : files.records)
        record.assign(FltRecord::kSize, 0);
    return files;
}

TEST(FlightImport, AGroupCountRaisedInTheRowBringsItsGroupIntoUse)
{
    const AircraftFiles files = oneGroupEach();
    const ImportRow raised{"row 2", "p-51d", {{"gun2.ammo", "50"}, {"gunGroupCount", "2"}, {"gun2.muzzleVelocity", "0"}}};
    const auto changes = planFlightImport(files, {raised});
    ASSERT_EQ(changes.size(), 2u); // the velocity equals the stored bytes
    EXPECT_EQ(changes[0].field->name, "gun2.ammo");
    EXPECT_EQ(changes[1].field->name, "gunGroupCount");
    EXPECT_EQ(changes[1].position, 5);

    EXPECT_THROW(planFlightImport(files, {{"row 2", "P-51D", {{"gun2.ammo", "50"}}}}), FlightImportError);
    EXPECT_THROW(planFlightImport(files, {{"row 2", "5", {}}, {"row 3", "P51D.FLT", {}}}), FlightImportError);
    EXPECT_THROW(planFlightImport(files, {{"row 2", "P-52", {}}}), FlightImportError);
}

} // namespace
} // namespace wingsmith
