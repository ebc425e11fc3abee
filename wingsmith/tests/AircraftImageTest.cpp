// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/AircraftImage.h"
#include "wingsmith/core/RecordFields.h"

#include <gtest/gtest.h>

#include <cstring>

namespace wingsmith {
namespace {

bool sameValues(const AircraftValues& a, const AircraftValues& b)
{
    return std::memcmp(&a.flight, &b.flight, sizeof a.flight) == 0
        && std::memcmp(&a.planes, &b.planes, sizeof a.planes) == 0;
}

// Every value different, groups beyond the count included.
AircraftValues sample()
{
    AircraftValues v;
    auto* f = reinterpret_cast<unsigned char*>(&v.flight);
    for (std::size_t i = 0; i < sizeof v.flight; ++i)
        f[i] = static_cast<unsigned char>(i * 7 + 1);
    auto* p = reinterpret_cast<unsigned char*>(&v.planes);
    for (std::size_t i = 0; i < sizeof v.planes; ++i)
        p[i] = static_cast<unsigned char>(i * 5 + 3);
    v.planes.gunGroupCount = 2;
    return v;
}

TEST(AircraftImageTest, ValuesComeBackAsTheyWentInWithEveryGunGroup)
{
    const AircraftValues v = sample();
    AircraftValues back{};
    AircraftImage(v).storeInto(back);
    EXPECT_TRUE(sameValues(v, back));
    EXPECT_EQ(back.planes.gunGroupCount, 2);
}

struct Catalogue {
    RecordKind record;
    const std::vector<RecordField>* fields;
};

class AircraftImageFieldTest : public ::testing::TestWithParam<Catalogue> {};

// Each field written through the image lands in its own member and no other.
TEST_P(AircraftImageFieldTest, AFieldWrittenByItsPlaceChangesThatValueAlone)
{
    const RecordKind record = GetParam().record;
    for (const RecordField& field : *GetParam().fields) {
        SCOPED_TRACE(field.name);
        const AircraftValues v = sample();
        AircraftImage image(v);
        const bool isFloat = field.type == FieldType::Float || field.type == FieldType::Bits;
        if (isFloat)
            image.setFloat(record, field, 12.5f);
        else
            image.setInteger(record, field, 0x12345);
        AircraftValues changed = v;
        image.storeInto(changed);
        EXPECT_FALSE(sameValues(v, changed));

        const AircraftImage again(changed);
        if (isFloat) {
            EXPECT_EQ(again.floatValue(record, field), 12.5f);
        } else {
            const std::int64_t expected = fieldWidth(field.type) == 1 ? 0x45
                : fieldWidth(field.type) == 2                         ? 0x2345
                                                                      : 0x12345;
            EXPECT_EQ(again.integerValue(record, field), expected);
        }
        // Put back, the aircraft is as it was: nothing else moved.
        AircraftImage restore(changed);
        if (isFloat)
            restore.setBits(record, field, AircraftImage(v).bits(record, field));
        else
            restore.setInteger(record, field, AircraftImage(v).integerValue(record, field));
        restore.storeInto(changed);
        EXPECT_TRUE(sameValues(v, changed));
    }
}

INSTANTIATE_TEST_SUITE_P(BothRecords, AircraftImageFieldTest,
    ::testing::Values(Catalogue{RecordKind::FlightRecord, &fltRecordFields()},
        Catalogue{RecordKind::GunTableRow, &gunTableRowFields()}));

} // namespace
} // namespace wingsmith
