// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/FieldText.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/RecordFields.h"

#include "common/core/LittleEndian.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace wingsmith {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(RecordFields, NeverOverlapAndLieInsideTheirRecord)
{
    const std::vector<std::pair<const std::vector<RecordField>*, std::size_t>> records{
        {&fltRecordFields(), FltRecord::kSize}, {&gunTableRowFields(), GunTableRow::kSize}};
    for (const auto& [fields, size] : records) {
        std::set<std::size_t> taken;
        for (const RecordField& f : *fields) {
            EXPECT_LE(f.offset + fieldWidth(f.type), size) << f.name;
            for (std::size_t i = 0; i < fieldWidth(f.type); ++i)
                EXPECT_TRUE(taken.insert(f.offset + i).second) << f.name << " overlaps another field";
        }
    }
}

// The names stand for the places modders know them by.
TEST(RecordFields, NamesReadTheValuesTheRecordHolds)
{
    Bytes record(FltRecord::kSize, 0);
    for (std::size_t n = 0; n < 43; ++n)
        common::le::putF32(record, 144 + 4 * n, static_cast<float>(n) + 0.5f);
    common::le::putF32(record, 112 + 4 * 7, -3.25f);    // the last mass value
    common::le::putF32(record, 1084 + 4 * 31, 42.0f);   // the last bubble's size
    common::le::putU16(record, 596 + 44 * 2 + 40, 513); // group 3's gun id
    common::le::putF32(record, 4, 8250);
    const std::vector<std::pair<const char*, const char*>> expected{{"pitchStability1", "28.5"},
        {"yawStability9", "42.5"}, {"massUnknown6", "-3.25"}, {"leftWingTipBubbleSize", "42"},
        {"gun3.gunId", "513"}, {"engineBestAltitude", "8250"}};
    for (const auto& [name, text] : expected) {
        const RecordField* field = findFltRecordField(name);
        ASSERT_NE(field, nullptr) << name;
        EXPECT_EQ(fieldText(record, *field), text) << name;
    }
}

class FloatText : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(FloatText, ReadsBackToTheSameBits)
{
    const float value = common::le::bitsToFloat(GetParam());
    const std::string text = exactFloatText(value);
    EXPECT_EQ(common::le::floatToBits(exactFloatFromText(text)), GetParam()) << text;
}

// 0.1, -0, the smallest subnormal, the largest float, infinities, the
// quiet NaNs and a NaN with a payload.
INSTANTIATE_TEST_SUITE_P(Patterns, FloatText,
    ::testing::Values(0x3DCCCCCDu, 0x80000000u, 0x00000001u, 0x7F7FFFFFu, 0x7F800000u, 0xFF800000u, 0x7FC00000u,
        0xFFC00000u, 0x7FC00001u, 0x3BB59148u));

TEST(FieldValues, RefuseWhatTheFieldCannotHold)
{
    const RecordField& hitPoint = *findGunTableRowField("hitPoints.pilot");
    EXPECT_EQ(fieldBytes("255", hitPoint), Bytes{255});
    EXPECT_THROW(fieldBytes("256", hitPoint), FieldValueError);
    EXPECT_THROW(fieldBytes("-1", hitPoint), FieldValueError);
    EXPECT_THROW(fieldBytes("1.5", hitPoint), FieldValueError);
    EXPECT_THROW(fieldBytes("7", *findGunTableRowField("gunGroupCount")), FieldValueError);
    EXPECT_THROW(fieldBytes("1e39", *findFltRecordField("emptyMass")), FieldValueError);
    EXPECT_THROW(fieldBytes("", *findFltRecordField("emptyMass")), FieldValueError);
    EXPECT_THROW(fieldBytes("nan:0x3f800000", *findFltRecordField("emptyMass")), FieldValueError);
}

} // namespace
} // namespace wingsmith
