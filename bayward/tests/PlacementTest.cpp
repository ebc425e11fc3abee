// SPDX-License-Identifier: GPL-3.0-or-later
#include "bayward/core/Placement.h"

#include <gtest/gtest.h>

#include <string>

namespace bayward {
namespace {

struct PlaceCase {
    const char* name;
    PicturePoint start;
    double x, y;
    Placement expected;
};

class Placing : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(Placing, SpansTheTwoCorners)
{
    const auto& c = GetParam();
    EXPECT_EQ(placeRectangle(c.start, c.x, c.y, 640, 480), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Drags, Placing,
    ::testing::Values(PlaceCase{"DownRight", {100, 50}, 260, 90, {100, 50, 160, 40}},
        PlaceCase{"ClickWithoutMovement", {100, 50}, 100, 50, {100, 50, 0, 0}},
        PlaceCase{"UpLeftIsNormalised", {260, 90}, 100, 50, {100, 50, 160, 40}},
        PlaceCase{"UpRight", {100, 90}, 260, 50, {100, 50, 160, 40}},
        PlaceCase{"FractionsAreDropped", {10, 10}, 20.9, 30.2, {10, 10, 10, 20}},
        PlaceCase{"ReleaseLeftOfThePicture", {30, 40}, -25, 60, {0, 40, 30, 20}},
        PlaceCase{"ReleaseBeyondTheCorner", {600, 400}, 700.5, 999, {600, 400, 40, 80}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Placing, DragStartTakesWholeNumberParts)
{
    const PicturePoint p = dragStart(100.7, 49.2);
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 49);
}

TEST(CoordinateText, LeadingBlankOrMinus)
{
    EXPECT_EQ(coordinateText(120), " 120");
    EXPECT_EQ(coordinateText(0), " 0");
    EXPECT_EQ(coordinateText(-7), "-7");
}

} // namespace
} // namespace bayward
