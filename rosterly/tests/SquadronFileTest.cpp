// SPDX-License-Identifier: GPL-3.0-or-later
#include "rosterly/core/SquadronFile.h"

#include "common/core/IoError.h"
#include "common/testing/TempDir.h"
#include "tools/demogen/RosterlyDemo.h"

#include <gtest/gtest.h>

namespace rosterly {
namespace {

using common::readAllBytes;
using common::writeAllBytes;

struct SizeCase {
    const char* name;
    std::size_t size;
    int records;
};

void PrintTo(const SizeCase& c, std::ostream* os)
{
    *os << c.name;
}

class SquadronRecordCount : public testing::TestWithParam<SizeCase> {};

// A record is listed only when a byte follows its code, so files cut just
// after a code byte keep their last record hidden.
TEST_P(SquadronRecordCount, ListsRecordsWhoseCodeHasAByteAfterIt)
{
    common::TempDir dir;
    auto bytes = demogen::buildSquadronFile({16, 17, 18, 19, 20}, 7);
    bytes.resize(GetParam().size);
    writeAllBytes(dir / "sqgr0001.dat", bytes);

    const auto codes = SquadronFile::readCodes(dir / "sqgr0001.dat");
    ASSERT_EQ(static_cast<int>(codes.size()), GetParam().records);
    for (std::size_t k = 0; k < codes.size(); ++k)
        EXPECT_EQ(codes[k], 16 + k) << "record " << k;
    EXPECT_EQ(SquadronFile::recordCount(GetParam().size), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SquadronRecordCount,
    testing::Values(SizeCase{"Empty", 0, 0}, SizeCase{"HeaderOnly", 6, 0}, SizeCase{"CodeWithoutFollower", 7, 0},
        SizeCase{"CodeAndOneByte", 8, 1}, SizeCase{"ThreeWhole", 6 + 124 * 3, 3},
        SizeCase{"ThreePlusOne", 6 + 124 * 3 + 1, 3}, SizeCase{"ThreePlusTwo", 6 + 124 * 3 + 2, 4},
        SizeCase{"FiveWhole", 6 + 124 * 5, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SquadronFile, WritingChangesOnlyTheRecordsCodeByte)
{
    common::TempDir dir;
    const auto before = demogen::buildSquadronFile({9, 10, 11, 12}, 3);
    writeAllBytes(dir / "squk0001.dat", before);

    SquadronFile::writeCode(dir / "squk0001.dat", 2, 9);

    auto expected = before;
    expected[254] = 9;
    EXPECT_EQ(readAllBytes(dir / "squk0001.dat"), expected);
    EXPECT_EQ(SquadronFile::codePosition(2), 255u);
}

struct WriteCase {
    const char* name;
    std::size_t size;
    int record;
};

void PrintTo(const WriteCase& c, std::ostream* os)
{
    *os << c.name;
}

class SquadronRecordWrite : public testing::TestWithParam<WriteCase> {};

// A write reaches exactly the records the list shows: never one past the
// end, nor a last code byte with nothing after it, which the list hides.
TEST_P(SquadronRecordWrite, TakesOnlyListedRecords)
{
    common::TempDir dir;
    auto bytes = demogen::buildSquadronFile({0, 1, 2, 3, 4}, 5);
    bytes.resize(GetParam().size);
    writeAllBytes(dir / "squs0001.dat", bytes);
    const int listed = static_cast<int>(SquadronFile::readCodes(dir / "squs0001.dat").size());
    const int record = GetParam().record;

    if (record >= 0 && record < listed) {
        SquadronFile::writeCode(dir / "squs0001.dat", record, 5);
        bytes[SquadronFile::codeOffset(record)] = 5;
    } else {
        EXPECT_THROW(SquadronFile::writeCode(dir / "squs0001.dat", record, 5), SquadronError);
    }
    EXPECT_EQ(readAllBytes(dir / "squs0001.dat"), bytes);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SquadronRecordWrite,
    testing::Values(WriteCase{"CodeIsLastByteOfTwoRecordFile", 255, 2}, WriteCase{"LastListedOfTwo", 255, 1},
        WriteCase{"CodeOnePastTheEnd", 6 + 124 * 3, 3}, WriteCase{"CodeIsTheLastByte", 6 + 124 * 3 + 1, 3},
        WriteCase{"CodeWithOneByteAfter", 6 + 124 * 3 + 2, 3}, WriteCase{"FarBeyond", 6 + 124 * 3, 40},
        WriteCase{"Negative", 6 + 124 * 3, -1}, WriteCase{"HeaderOnly", 7, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SquadronFile, MissingFileIsReportedAndNotCreated)
{
    common::TempDir dir;
    try {
        SquadronFile::writeCode(dir / "squs0009.dat", 0, 1);
        FAIL() << "no error for a missing file";
    } catch (const common::IoError& e) {
        EXPECT_EQ(e.failure(), common::IoFailure::FileNotFound);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "squs0009.dat"));
    EXPECT_THROW(SquadronFile::readCodes(dir / "squs0009.dat"), common::IoError);
}

} // namespace
} // namespace rosterly
