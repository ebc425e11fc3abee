// SPDX-License-Identifier: GPL-3.0-or-later
#include "vector/core/NormalsText.h"

#include "common/core/IoError.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

namespace vector {
namespace {

TEST(NormalsText, HeaderPutsTheAxesInFourteenColumnZones)
{
    const std::string h = normalsHeader();
    EXPECT_EQ(h.substr(0, 7), ";normal");
    EXPECT_EQ(h.find('Y'), 14u);
    EXPECT_EQ(h.find('Z'), 28u);
    EXPECT_EQ(h.find('X'), 42u);
    EXPECT_EQ(h.size(), 43u);
}

TEST(NormalsText, ElementLineHasSixRightAlignedFields)
{
    const std::string line = normalsLine(7, {0, 16384, 0, 12, -3, 40});
    EXPECT_EQ(line, "N007=      0  16384      0     12     -3     40");
    EXPECT_EQ(line.size(), 47u);
    EXPECT_EQ(normalsLine(254, {-32768, 32767, -1, 0, 0, 0}), "N254= -32768  32767     -1      0      0      0");
}

TEST(NormalsText, FullTableEndsWithElement254AndReportsEachLine)
{
    Model m;
    m.elementCount = 255;
    for (int e = 0; e < 255; ++e)
        m.elements[e] = {static_cast<std::int16_t>(e), 0, 0, 0, 0, static_cast<std::int16_t>(-e)};
    int last = -1;
    int calls = 0;
    const auto lines = normalsText(m, [&](int e) {
        EXPECT_EQ(e, last + 1);
        last = e;
        ++calls;
    });
    ASSERT_EQ(lines.size(), 256u);
    EXPECT_EQ(lines.back(), "N254=    254      0      0      0      0   -254");
    EXPECT_EQ(calls, 255);
    EXPECT_EQ(last, 254);
}

TEST(NormalsText, FileHasCrLfLinesAndReplacesAnOldOne)
{
    common::TempDir dir;
    const auto path = dir / "temp.txt";
    common::writeAllText(path, "an older and much longer file that must go away completely\r\n");
    Model m;
    m.elementCount = 2;
    m.elements[0] = {1, 2, 3, 4, 5, 6};
    m.elements[1] = {-1, -2, -3, -4, -5, -6};
    m.elements[2] = {9, 9, 9, 9, 9, 9}; // beyond the count: not written
    writeNormalsText(path, m);
    EXPECT_EQ(common::readAllText(path),
        ";normal       Y             Z             X\r\n"
        "N000=      1      2      3      4      5      6\r\n"
        "N001=     -1     -2     -3     -4     -5     -6\r\n");

    m.elementCount = 0;
    writeNormalsText(path, m);
    EXPECT_EQ(common::readAllText(path), ";normal       Y             Z             X\r\n");
}

TEST(NormalsText, UnwritableFolderIsAnIoError)
{
    common::TempDir dir;
    EXPECT_THROW(writeNormalsText(dir / "missing" / "temp.txt", Model{}), common::IoError);
}

} // namespace
} // namespace vector
