// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/AircraftValues.h"
#include "wingsmith/core/RecordFields.h"

#include <gtest/gtest.h>

#include <set>

namespace wingsmith {
namespace {

// Every byte different, groups beyond the count included.
AircraftValues sample()
{
    AircraftValues v;
    for (std::size_t i = 0; i < v.flight.bytes.size(); ++i)
        v.flight.bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    for (std::size_t i = 0; i < v.planes.bytes.size(); ++i)
        v.planes.bytes[i] = static_cast<std::uint8_t>(i * 5 + 3);
    v.planes.setGunGroupCount(2);
    return v;
}

std::set<std::size_t> changedBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b)
{
    std::set<std::size_t> out;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            out.insert(i);
    return out;
}

struct Catalogue {
    RecordKind record;
    const std::vector<RecordField>* fields;
};

class AircraftValuesFieldTest : public ::testing::TestWithParam<Catalogue> {};

// Each field written by its place changes its own bytes and no other, and
// reads back as written.
TEST_P(AircraftValuesFieldTest, AFieldWrittenByItsPlaceChangesThatValueAlone)
{
    const RecordKind record = GetParam().record;
    const RecordKind other = record == RecordKind::FlightRecord ? RecordKind::GunTableRow : RecordKind::FlightRecord;
    for (const RecordField& field : *GetParam().fields) {
        SCOPED_TRACE(field.name);
        const AircraftValues v = sample();
        AircraftValues changed = v;
        const bool isFloat = field.type == FieldType::Float || field.type == FieldType::Bits;
        if (isFloat)
            changed.setFloat(record, field, 12.5f);
        else
            changed.setInteger(record, field, 0x12345);

        for (std::size_t at : changedBytes(v.bytes(record), changed.bytes(record))) {
            EXPECT_GE(at, field.offset);
            EXPECT_LT(at, field.offset + fieldWidth(field.type));
        }
        EXPECT_TRUE(changedBytes(v.bytes(other), changed.bytes(other)).empty());
        if (isFloat) {
            EXPECT_EQ(changed.floatValue(record, field), 12.5f);
        } else {
            const std::int64_t expected = fieldWidth(field.type) == 1 ? 0x45
                : fieldWidth(field.type) == 2                         ? 0x2345
                                                                      : 0x12345;
            EXPECT_EQ(changed.integerValue(record, field), expected);
        }
        // Put back, the aircraft is as it was.
        if (isFloat)
            changed.setBits(record, field, v.bits(record, field));
        else
            changed.setInteger(record, field, v.integerValue(record, field));
        EXPECT_TRUE(changedBytes(v.bytes(record), changed.bytes(record)).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(BothRecords, AircraftValuesFieldTest,
    ::testing::Values(Catalogue{RecordKind::FlightRecord, &fltRecordFields()},
        Catalogue{RecordKind::GunTableRow, &gunTableRowFields()}));

} // namespace
} // namespace wingsmith
