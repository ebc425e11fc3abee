// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/DecimalText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace common {
namespace {

struct PlainCase {
    const char* typed;
    char separator;
    bool alsoPoint;
    std::optional<std::string> plain;
};

class PlainDecimal : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainDecimal, AcceptsOnlyWholeNumbers)
{
    const auto& c = GetParam();
    EXPECT_EQ(plainDecimal(c.typed, c.separator, c.alsoPoint), c.plain) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(Texts, PlainDecimal,
    ::testing::Values(PlainCase{" -12,5E3 ", ',', false, "-12.5e3"}, PlainCase{"12.5", ',', false, std::nullopt},
        PlainCase{"12.5", ',', true, "12.5"}, PlainCase{"+.5", '.', false, ".5"}, PlainCase{"5.", '.', false, "5."},
        PlainCase{"1e-7", '.', false, "1e-7"}, PlainCase{"", '.', true, std::nullopt},
        PlainCase{"-", '.', true, std::nullopt}, PlainCase{".", '.', true, std::nullopt},
        PlainCase{"1e", '.', true, std::nullopt}, PlainCase{"e5", '.', true, std::nullopt},
        PlainCase{"1 000", '.', true, std::nullopt}, PlainCase{"0x10", '.', true, std::nullopt},
        PlainCase{"1,5,0", ',', false, std::nullopt}, PlainCase{"nan", '.', true, std::nullopt}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(PlainValues, OutOfRangeBecomesZeroOrNothing)
{
    EXPECT_EQ(plainToFloat("1.5"), 1.5f);
    EXPECT_EQ(plainToFloat("4e38"), std::nullopt);
    EXPECT_EQ(plainToFloat("-1e-60"), -0.0f);
    EXPECT_TRUE(std::signbit(*plainToFloat("-1e-60")));
    EXPECT_EQ(plainToFloat("1e-999"), 0.0f);
    EXPECT_TRUE(std::isinf(plainToDouble("1e999")));
    EXPECT_EQ(plainToDouble("-1e-999"), 0.0);
    EXPECT_EQ(localizedNumber("-1.25e-07", ','), "-1,25E-07");
}

} // namespace
} // namespace common
