// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/FieldText.h"
#include "wingsmith/core/FlightRecordIo.h"
#include "wingsmith/core/FltRecord.h"
#include "wingsmith/core/GunTableIo.h"
#include "wingsmith/core/RecordFields.h"

#include "common/core/LittleEndian.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace wingsmith {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The bytes the record procedures write, which the field tables must cover
// exactly, each byte by one field.
template <typename Write>
std::set<std::size_t> writtenOffsets(std::size_t size, Write write)
{
    common::TempDir dir;
    const auto path = dir / "record";
    common::writeAllBytes(path, Bytes(size, 0xAA));
    common::writeAllBytes(dir / "other", Bytes(size, 0x55));
    for (const char* name : {"record", "other"}) {
        auto file = common::BinaryFile::open(dir / name, common::BinaryFile::Mode::ReadWrite);
        write(file);
        file.close();
    }
    const Bytes a = common::readAllBytes(path), b = common::readAllBytes(dir / "other");
    std::set<std::size_t> out;
    for (std::size_t i = 0; i < size; ++i)
        if (a[i] == b[i])
            out.insert(i);
    return out;
}

std::set<std::size_t> tableOffsets(const std::vector<RecordField>& fields)
{
    std::set<std::size_t> out;
    for (const RecordField& f : fields)
        for (std::size_t i = 0; i < fieldWidth(f.type); ++i)
            EXPECT_TRUE(out.insert(f.offset + i).second) << f.name << " overlaps another field";
    return out;
}

TEST(RecordFields, CoverExactlyTheBytesTheRecordProceduresWrite)
{
    EXPECT_EQ(tableOffsets(fltRecordFields()), writtenOffsets(FltRecord::kSize, [](common::BinaryFile& f) {
        writeFlightRecord(f, 0, FlightValues{}, 6);
    }));
    PlanesValues row;
    row.gunGroupCount = 6;
    EXPECT_EQ(tableOffsets(gunTableRowFields()),
        writtenOffsets(GunTableRow::kSize, [&](common::BinaryFile& f) { writeGunTableRow(f, 0, row); }));
}

TEST(RecordFields, NamesReadTheValuesTheRecordHolds)
{
    common::TempDir dir;
    FlightValues v;
    for (std::size_t n = 0; n < v.stability.size(); ++n)
        v.stability[n] = static_cast<float>(n) + 0.5f;
    v.massValues[7] = -3.25f;
    v.hitBubbles[31] = 42.0f;
    v.fltGunGroups[2].gunId = 513;
    v.engineBestAltitude = 8250;
    {
        common::writeAllBytes(dir / "r", Bytes(FltRecord::kSize, 0));
        auto f = common::BinaryFile::open(dir / "r", common::BinaryFile::Mode::ReadWrite);
        writeFlightRecord(f, 0, v, 6);
        f.close();
    }
    const Bytes record = common::readAllBytes(dir / "r");
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
