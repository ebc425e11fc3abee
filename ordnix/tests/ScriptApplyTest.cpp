// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadoutFixture.h"

#include "ordnix/core/LoadoutError.h"
#include "ordnix/core/LoadoutFile.h"
#include "ordnix/core/ScriptApply.h"

#include <gtest/gtest.h>

namespace ordnix {
namespace {

struct BadScript {
    const char* name;
    const char* text;
    const char* message;
};

class RefusedScript : public ::testing::TestWithParam<BadScript> {};

// A script that fails anywhere leaves the image as loaded, also for the
// good changes before the failing one.
TEST_P(RefusedScript, ChangesNothing)
{
    LoadoutImage image = testing::imageOf(testing::blankLoadout());
    try {
        ApplyScript(image, ParseScript(GetParam().text));
        FAIL() << "no refusal";
    } catch (const LoadoutError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
    }
    EXPECT_TRUE(ChangedBytes(image).empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedScript,
    ::testing::Values(BadScript{"PositionBeyondTheFile", "9\r\n4\r\n20000\r\n1\r\n", "position 20000 lies beyond"},
        BadScript{"PositionZero", "0\r\n1\r\n", "position 0 lies beyond"},
        BadScript{"ValueAboveAByte", "9\r\n4\r\n10\r\n256\r\n", "Line 4: \"256\" is not a whole number"},
        BadScript{"PositionNotANumber", "nine\r\n4\r\n", "Line 1 holds \"nine\""},
        BadScript{"PositionWithoutValue", "9\r\n4\r\n10\r\n", "Line 3 holds a position without a value"}),
    [](const ::testing::TestParamInfo<BadScript>& info) { return std::string(info.param.name); });

TEST(ScriptApply, ScriptOfTwoFilesTurnsTheFirstIntoTheSecond)
{
    auto oldBytes = testing::blankLoadout();
    auto newBytes = oldBytes;
    newBytes[8] = static_cast<std::uint8_t>(newBytes[8] + 1);
    newBytes.back() = static_cast<std::uint8_t>(newBytes.back() ^ 0xFF);
    const LoadoutImage difference = DifferenceImage(testing::imageOf(oldBytes), newBytes);

    LoadoutImage applied = testing::imageOf(oldBytes);
    ApplyScript(applied, ChangedBytes(difference));
    EXPECT_EQ(ImageBytes(applied), newBytes);
    EXPECT_EQ(ChangedBytes(difference).size(), 2u);

    newBytes.pop_back();
    EXPECT_THROW(DifferenceImage(testing::imageOf(oldBytes), newBytes), LoadoutError);
}

} // namespace
} // namespace ordnix
