// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordnix/core/ValueText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace ordnix {
namespace {

struct ByteCase {
    const char* name;
    std::string text;
    std::optional<int> byte;
};

class ToByteValueTest : public ::testing::TestWithParam<ByteCase> {};

TEST_P(ToByteValueTest, ConvertsAsSaved)
{
    const auto& c = GetParam();
    const auto byte = ToByteValue(c.text);
    ASSERT_EQ(byte.has_value(), c.byte.has_value()) << '"' << c.text << '"';
    if (byte) {
        EXPECT_EQ(*byte, *c.byte);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ToByteValueTest,
    ::testing::Values(ByteCase{"Plain", "200", 200}, ByteCase{"Zero", "0", 0}, ByteCase{"Top", "255", 255},
        ByteCase{"HalfUpToEven", "3.5", 4}, ByteCase{"HalfDownToEven", "2.5", 2}, ByteCase{"HalfToZero", "0.5", 0},
        ByteCase{"AboveHalf", "2.51", 3}, ByteCase{"LeadingZero", "03", 3}, ByteCase{"Blanks", " 12 ", 12},
        ByteCase{"Exponent", "1e2", 100}, ByteCase{"RoundsIntoRange", "255.4", 255},
        ByteCase{"RoundsOutOfRange", "255.5", std::nullopt}, ByteCase{"SmallNegative", "-0.4", 0},
        ByteCase{"Negative", "-1", std::nullopt}, ByteCase{"TooLarge", "256", std::nullopt},
        ByteCase{"Empty", "", std::nullopt}, ByteCase{"OnlyBlanks", "  ", std::nullopt},
        ByteCase{"Letters", "abc", std::nullopt}, ByteCase{"TrailingLetters", "12x", std::nullopt},
        ByteCase{"Infinity", "inf", std::nullopt}, ByteCase{"Hex", "0x10", std::nullopt},
        ByteCase{"Huge", "1e999", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LeadingNumberTest, TakesTheNumberTheTextBeginsWith)
{
    EXPECT_EQ(LeadingNumber("7.9"), 7.9);
    EXPECT_EQ(LeadingNumber("  12 apples"), 12);
    EXPECT_EQ(LeadingNumber("-3.5x"), -3.5);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("1e2"), 100);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("nan"), 0);
}

TEST(PlainByteTextTest, AcceptsOnlyTheLoadedForm)
{
    for (const char* text : {"0", "7", "42", "255"})
        EXPECT_TRUE(IsPlainByteText(text)) << text;
    for (const char* text : {"", "03", "00", "256", "999", " 1", "1 ", "1.0", "-1", "1000"})
        EXPECT_FALSE(IsPlainByteText(text)) << text;
}

TEST(WholeNumberTextTest, WritesWholeNumbersWithoutFraction)
{
    EXPECT_EQ(WholeNumberText(7), "7");
    EXPECT_EQ(WholeNumberText(-4), "-4");
    EXPECT_EQ(WholeNumberText(-0.0), "0");
    EXPECT_EQ(WholeNumberText(1000), "1000");
}

} // namespace
} // namespace ordnix
