// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/AircraftDomain.h"
#include "wingsmith/core/AircraftFiles.h"
#include "wingsmith/core/DomainCheck.h"
#include "wingsmith/core/FieldText.h"
#include "wingsmith/core/FlightRecordIo.h"
#include "wingsmith/core/GunTableIo.h"
#include "wingsmith/core/FieldCodes.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/RecordFields.h"
#include "wingsmith/tests/AircraftFields.h"

#include "tools/demogen/WingsmithDemo.h"

#include "common/core/LittleEndian.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace wingsmith {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes demoGunRow(int row)
{
    const Bytes cdf = demogen::buildDemoDataCdf();
    const auto at = static_cast<std::size_t>(kDataCdfGunTable) + GunTableRow::kSize * static_cast<std::size_t>(row);
    return Bytes(cdf.begin() + static_cast<std::ptrdiff_t>(at),
        cdf.begin() + static_cast<std::ptrdiff_t>(at + GunTableRow::kSize));
}

Bytes demoFltRecord(int row)
{
    const Bytes cdf = demogen::buildDemoFltCdf();
    const auto at = static_cast<std::size_t>(kFltCdfRecords) + FltRecord::kSize * static_cast<std::size_t>(row);
    return Bytes(cdf.begin() + static_cast<std::ptrdiff_t>(at),
        cdf.begin() + static_cast<std::ptrdiff_t>(at + FltRecord::kSize));
}

int groupCount(const Bytes& row)
{
    return common::le::getI16(row, GunTableRow::kGroupCount);
}

TEST(DomainCheck, TheDemoAircraftHoldOnlyValuesTheGameKnows)
{
    for (int row = 0; row < 30; ++row) {
        SCOPED_TRACE(row);
        const Bytes gun = demoGunRow(row);
        EXPECT_TRUE(outOfDomain(gunTableRowFields(), gun, groupCount(gun)).empty());
        EXPECT_TRUE(outOfDomain(fltRecordFields(), demoFltRecord(row), groupCount(gun)).empty());
    }
}

TEST(DomainCheck, NamesEachValueOutsideItsListOrRangeOnce)
{
    const Bytes original = demoGunRow(5);
    const int groups = groupCount(original);
    ASSERT_GE(groups, 1);
    ASSERT_LT(groups, kGunGroupCount);
    const std::size_t group1 = GunTableRow::kGroups;
    const std::size_t beyond = GunTableRow::kGroups + GunTableRow::kGroupSize * static_cast<std::size_t>(groups);
    const struct {
        std::size_t offset;
        std::int16_t value;
        const char* field; // empty: no warning
        const char* expected;
    } cases[] = {
        {group1 + 2, 99, "gun1.position", "one of 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13"},
        {group1 + 4, 7, "gun1.caliber", "one of 2, 4, 12, 24"},
        {group1 + 8, 4, "gun1.sound", "one of 0, 1, 2, 3"},
        {group1 + 10, 2, "gun1.smoke", "one of 0, 1"},
        {group1 + 4, 24, "", ""}, // a 30 mm cannon is known
        {beyond + 4, 7, "", ""},  // a group beyond the count holds nothing
        {GunTableRow::kGroupCount, 9, "gunGroupCount", "0 to 6"},
        // Numbers the game gives a meaning only within a range.
        {group1 + 0, 5, "gun1.guns", "0 to 4"},
        {group1 + 0, -1, "gun1.guns", "0 to 4"},
        {group1 + 6, 10000, "gun1.ammo", "0 to 9999"},
        {group1 + 6, 9999, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        Bytes row = original;
        common::le::putI16(row, c.offset, c.value);
        const auto warnings
            = outOfDomain(gunTableRowFields(), row, c.offset == GunTableRow::kGroupCount ? groups : groupCount(row));
        if (*c.field == '\0') {
            EXPECT_TRUE(warnings.empty()) << warnings.front().field;
            continue;
        }
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_EQ(warnings[0].field, c.field);
        EXPECT_EQ(warnings[0].value, std::to_string(c.value));
        EXPECT_EQ(warnings[0].expected, c.expected);
    }
}

AircraftValues demoValues(int row)
{
    AircraftValues v;
    decodeGunTableRow(AircraftCatalogue::program(), demoGunRow(row), 0, v.planes);
    decodeFlightRecord(AircraftCatalogue::program(), demoFltRecord(row), 0, v.planes.gunGroupCount(), v.flight);
    return v;
}

// The window checks the values' own bytes as the command line checks the
// files': every field in use holds what the file holds.
TEST(DomainCheck, ValuesReadIntoMemoryAreTheFilesOwnBytes)
{
    for (int row = 0; row < 30; ++row) {
        SCOPED_TRACE(row);
        const AircraftValues v = demoValues(row);
        const std::vector<std::uint8_t> gun(v.planes.bytes.begin(), v.planes.bytes.end());
        const std::vector<std::uint8_t> flight(v.flight.bytes.begin(), v.flight.bytes.end());
        for (const auto& [fields, file, written] : {std::tuple{&gunTableRowFields(), demoGunRow(row), gun},
                 std::tuple{&fltRecordFields(), demoFltRecord(row), flight}})
            for (const RecordField& f : *fields) {
                if (fieldInUse(f, v.planes.gunGroupCount())) {
                    EXPECT_EQ(storedBytes(written, f), storedBytes(file, f)) << f.name;
                }
            }
    }
}

TEST(DomainCheck, AnAircraftsValuesAreCheckedAsTheyWouldBeSaved)
{
    const AircraftValues demo = demoValues(5);
    const int groups = demo.planes.gunGroupCount();
    ASSERT_GE(groups, 1);
    ASSERT_LT(groups, kGunGroupCount);
    EXPECT_TRUE(aircraftOutOfDomain(AircraftCatalogue::program(), demo).empty());
    const struct {
        std::function<void(AircraftValues&)> edit;
        std::vector<std::string> fields;
    } cases[] = {
        {[](AircraftValues& v) { test::setInt(v, "gun1.caliber", 7); }, {"gun1.caliber"}},
        {[](AircraftValues& v) { test::setInt(v, "gun1.position", 14); }, {"gun1.position"}},
        {[&](AircraftValues& v) { test::setInt(v, "gun" + std::to_string(groups + 1) + ".caliber", 7); }, {}},
        {[](AircraftValues& v) {
             test::setInt(v, "gun1.sound", 9);
             test::setInt(v, "engineType", 77);
         },
            {"gun1.sound", "engineType"}},
        {[](AircraftValues& v) { test::setInt(v, "engineCount", 0); }, {"engineCount"}},
        {[](AircraftValues& v) { test::setInt(v, "engineCount", 4); }, {}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        AircraftValues v = demo;
        cases[i].edit(v);
        std::vector<std::string> named;
        for (const auto& w : aircraftOutOfDomain(AircraftCatalogue::program(), v))
            named.push_back(w.field);
        EXPECT_EQ(named, cases[i].fields);
    }
}

// The window's lists and vantor's names come from the same lists, so a
// code's place in its list is its row on the page.
TEST(DomainCheck, EveryCodeIsFoundAtItsOwnRow)
{
    for (const auto* codes :
        {&engineTypeCodes(), &gunPositionCodes(), &caliberCodes(), &gunSoundCodes(), &smokeCodes()})
        for (std::size_t i = 0; i < codes->size(); ++i) {
            EXPECT_EQ(codeIndex(*codes, (*codes)[i].value), static_cast<int>(i));
            EXPECT_STREQ(codeName(*codes, (*codes)[i].value), (*codes)[i].name);
        }
    EXPECT_EQ(codeIndex(caliberCodes(), 3), -1);
    EXPECT_EQ(codeName(gunPositionCodes(), 14), nullptr);
}

} // namespace
} // namespace wingsmith
