// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortiekit/core/HexNumber.h"

#include <gtest/gtest.h>

#include <ostream>

namespace sortiekit {
namespace {

struct HexCase {
    const char* name;
    const char* text;
    std::optional<std::int16_t> value;
};

void PrintTo(const HexCase& c, std::ostream* os)
{
    *os << c.name;
}

class HexField : public testing::TestWithParam<HexCase> {};

TEST_P(HexField, ReadsEveryCharacterAsAHexPlace)
{
    EXPECT_EQ(hexFieldValue(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, HexField,
    testing::Values(HexCase{"UpperCase", "A1", 161}, HexCase{"LowerCase", "a1", 161},
        HexCase{"LeadingZeros", "00A1", 161}, HexCase{"ManyLeadingZeros", "0000000000000000A1", 161},
        HexCase{"LowerDigitLast", "1a", 26}, HexCase{"OuterSpacesDropped", "  A1 ", 161},
        HexCase{"InnerSpaceTakesAPlace", "1 2", 258}, HexCase{"LetterBeyondFTakesAPlace", "1G", 16},
        HexCase{"SignIsNoDigit", "-1", 1}, HexCase{"Empty", "", 0}, HexCase{"OnlySpaces", "   ", 0},
        HexCase{"Largest", "7FFF", 32767}, HexCase{"OneTooLarge", "8000", std::nullopt},
        HexCase{"AllOnes", "FFFF", std::nullopt}, HexCase{"FifthPlace", "10000", std::nullopt},
        HexCase{"FifthPlaceNoDigit", "x0A1", 161}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace sortiekit
