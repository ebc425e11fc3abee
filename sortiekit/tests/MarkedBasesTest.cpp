// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortiekit/core/AirfieldFile.h"
#include "sortiekit/core/MarkedBases.h"

#include <gtest/gtest.h>

namespace sortiekit {
namespace {

TEST(MarkedBases, FindsTheAirfieldsASaveMarks)
{
    // A master copy whose records all look like bases of some slot: the save
    // clears them, so only the four chosen ones are found.
    std::vector<std::uint8_t> master(AirfieldFile::kMinimumSize, 7);
    const auto dat = AirfieldFile::withBases(master, {12, 40, 161, 3});
    const auto marked = markedBases(dat);
    EXPECT_EQ(marked[0], std::vector<int>{12});
    EXPECT_EQ(marked[1], std::vector<int>{40});
    EXPECT_EQ(marked[2], (std::vector<int>{3, 161}));
    EXPECT_EQ(marked[3], (std::vector<int>{3, 161}));
}

} // namespace
} // namespace sortiekit
