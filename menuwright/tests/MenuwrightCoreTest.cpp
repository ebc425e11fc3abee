// SPDX-License-Identifier: GPL-3.0-or-later
#include "menuwright/core/FixedLength.h"
#include "menuwright/core/RectangleDrag.h"
#include "menuwright/core/TextfileCheck.h"

#include <gtest/gtest.h>

#include <string>

namespace menuwright {
namespace {

struct PadCase {
    const char* name;
    const char* caption;
    int length;
    std::string expected;
};

class FixedLengthPadding : public ::testing::TestWithParam<PadCase> {};

TEST_P(FixedLengthPadding, Pads)
{
    EXPECT_EQ(padFixedLength(GetParam().caption, GetParam().length), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Captions, FixedLengthPadding,
    ::testing::Values(PadCase{"OddBlankOnTheRight", "P51 D", 24, std::string(9, ' ') + "P51 D" + std::string(10, ' ')},
        PadCase{"SeventhTrailingBlankCut", "Spitfire XIV", 24, std::string(6, ' ') + "Spitfire XIV" + std::string(6, ' ')},
        PadCase{"LongerIsCut", "Typhoon", 4, "Typh"}, PadCase{"ExactLength", "Bf 109K", 7, "Bf 109K"},
        PadCase{"OneLonger", "Bf 109K", 8, "Bf 109K "}, PadCase{"Empty", "", 3, "   "},
        PadCase{"CountsCharactersNotBytes", "Zur\xC3\xBC" "ck", 8, " Zur\xC3\xBC" "ck "},
        PadCase{"CutsAtACharacter", "\xC3\xA9\xC3\xA9\xC3\xA9", 2, "\xC3\xA9\xC3\xA9"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FixedLengthText, WholeNumbersFromOneTo254)
{
    EXPECT_EQ(fixedLengthFromText("24"), 24);
    EXPECT_EQ(fixedLengthFromText(" 24.9"), 24);
    EXPECT_EQ(fixedLengthFromText("1"), 1);
    EXPECT_EQ(fixedLengthFromText("254"), 254);
    for (const char* bad : {"0", "0.9", "-3", "", "abc", "255"})
        EXPECT_FALSE(fixedLengthFromText(bad).has_value()) << bad;
}

struct DragCase {
    const char* name;
    int grabX, grabY; // twips
    bool left, right;
    double x, y;      // twips
    RectangleGeometry expected;
};

class Dragging : public ::testing::TestWithParam<DragCase> {};

TEST_P(Dragging, MovesOrSizes)
{
    const auto& c = GetParam();
    RectangleDrag drag;
    drag.press(c.grabX, c.grabY);
    const RectangleGeometry start{100, 50, 40, 20};
    EXPECT_EQ(drag.move(start, c.left, c.right, c.x, c.y), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Moves, Dragging,
    ::testing::Values(DragCase{"ThirtyTwipsIsTwoPixels", 150, 150, true, false, 180, 150, {102, 50, 40, 20}},
        DragCase{"FourteenTwipsIsNothing", 150, 150, true, false, 164, 164, {100, 50, 40, 20}},
        DragCase{"FifteenTwipsIsOnePixel", 150, 150, true, false, 165, 165, {101, 51, 40, 20}},
        DragCase{"UpAndLeftRoundDown", 150, 150, true, false, 149, 120, {99, 48, 40, 20}},
        DragCase{"FractionOfTheGrabPointIsDropped", 150, 150, true, false, 165.0, 150.9, {101, 50, 40, 20}},
        DragCase{"RightButtonSizes", 0, 0, false, true, 1200, 450, {100, 50, 80, 30}},
        DragCase{"RightButtonRoundsDown", 0, 0, false, true, 29, 14, {100, 50, 1, 0}},
        DragCase{"AboveKeepsHeight", 0, 0, false, true, 600, -30, {100, 50, 40, 20}},
        DragCase{"LeftOfKeepsWidth", 0, 0, false, true, -1, 300, {100, 50, 40, 20}},
        DragCase{"NoButtonChangesNothing", 0, 0, false, false, 900, 900, {100, 50, 40, 20}},
        DragCase{"BothButtons", 0, 0, true, true, 150, 300, {110, 70, 10, 20}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Dragging, GrabPointTakesTheWholeNumberPart)
{
    RectangleDrag drag;
    drag.press(44.9, 15.2);
    EXPECT_EQ(drag.grabX(), 44);
    EXPECT_EQ(drag.grabY(), 15);
    EXPECT_EQ(coordinateTexts({-3, 0, 80, 30}), (std::array<std::string, 4>{"-3", "0", "80", "30"}));
}

struct LengthCase {
    const char* name;
    std::size_t lines;
    std::optional<Side> side;
    bool axis;
    std::size_t warningLines;
};

class TextfileLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(TextfileLength, Decides)
{
    const auto& c = GetParam();
    const TextfileCheck check = checkLayoutTextLength(c.lines, c.side);
    EXPECT_EQ(check.axisFile, c.axis);
    EXPECT_EQ(check.warning.size(), c.warningLines);
    if (!check.warning.empty()) {
        EXPECT_EQ(check.warning.back(), "Click anywhere in this box to close this warning!");
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, TextfileLength,
    ::testing::Values(LengthCase{"ThirtyIsBad", 30, Side::USA, false, 2}, LengthCase{"Empty", 0, std::nullopt, false, 2},
        LengthCase{"FortyFour", 44, Side::Axis, false, 2}, LengthCase{"FortyFiveUsa", 45, Side::USA, false, 0},
        LengthCase{"FortyFiveBritain", 45, Side::Britain, false, 0},
        LengthCase{"FortyFiveAxis", 45, Side::Axis, false, 4}, LengthCase{"FortyFiveNoSide", 45, std::nullopt, false, 4},
        LengthCase{"Fifty", 50, Side::Axis, false, 0}, LengthCase{"FiftyFour", 54, Side::USA, false, 0},
        LengthCase{"FiftyFive", 55, Side::USA, true, 0}, LengthCase{"Sixty", 60, std::nullopt, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextfileLength, WarningTexts)
{
    EXPECT_EQ(checkLayoutTextLength(30, Side::USA).warning.front(),
        "The length of the file suggests that this is a bad text file.");
    const auto fortyFive = checkLayoutTextLength(45, Side::Axis).warning;
    ASSERT_EQ(fortyFive.size(), 4u);
    EXPECT_EQ(fortyFive[0], "The length of the file suggests that this is a US or UK file.");
    EXPECT_EQ(fortyFive[1], "However, no appropriate radio button is selected.");
    EXPECT_EQ(fortyFive[2], "Please select one before you try to make the mnu file.");
}

} // namespace
} // namespace menuwright
