// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace wingsmith {
namespace {

struct GeneralCase {
    float value;
    const char* text;
};

class GeneralFormat : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralFormat, ShowsFifteenSignificantDigits)
{
    EXPECT_EQ(formatGeneral(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, GeneralFormat,
    ::testing::Values(GeneralCase{0.1f, "0.100000001490116"}, GeneralCase{1e-6f, "9.99999997475243E-7"},
        // 0.00001f lies just below 0.00001, the next float just above it.
        GeneralCase{0.00001f, "9.99999974737875E-6"}, GeneralCase{0.0000100000007f, "0.0000100000006568735"},
        GeneralCase{0.0001f, "0.0000999999974737875"}, GeneralCase{0.5f, "0.5"}, GeneralCase{-2.25f, "-2.25"},
        GeneralCase{1500.0f, "1500"}, GeneralCase{0.0f, "0"}, GeneralCase{-0.0f, "-0"},
        GeneralCase{1.0e15f, "999999986991104"}, GeneralCase{3.0e15f, "3.00000002808218E15"},
        GeneralCase{1.0e16f, "1.00000002725642E16"}, GeneralCase{123456.789f, "123456.7890625"},
        GeneralCase{std::numeric_limits<float>::infinity(), "INF"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(GeneralFormat, UsesTheLocaleSeparator)
{
    EXPECT_EQ(formatGeneral(-2.25f, ','), "-2,25");
    EXPECT_EQ(formatGeneral(0.00001f, ','), "9,99999974737875E-6");
    EXPECT_EQ(formatFixed(1234.5678f, 2, ','), "1234,57");
}

struct FixedCase {
    float value;
    int decimals;
    const char* text;
};

class FixedFormat : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedFormat, RoundsToSevenDigitsThenTheDecimals)
{
    EXPECT_EQ(formatFixed(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FixedFormat,
    ::testing::Values(FixedCase{1500.75f, 0, "1501"}, FixedCase{1500.0f, 0, "1500"}, FixedCase{0.5f, 0, "1"},
        FixedCase{0.1f, 6, "0.100000"}, FixedCase{1234.5678f, 6, "1234.568000"},
        FixedCase{0.123456789f, 4, "0.1235"}, FixedCase{-0.25f, 5, "-0.25000"}, FixedCase{0.0f, 4, "0.0000"},
        FixedCase{-0.00001f, 4, "0.0000"}, FixedCase{9.99999f, 4, "10.0000"}, FixedCase{12345678.0f, 2, "1.234568E7"},
        FixedCase{9999999.0f, 0, "9999999"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(Parsing, FloatsAcceptTheLocaleSeparatorAndAnExponent)
{
    EXPECT_EQ(parseFloat("1.5"), 1.5f);
    EXPECT_EQ(parseFloat("1,5", ','), 1.5f);
    EXPECT_EQ(parseFloat(" -2.5E3 "), -2500.0f);
    EXPECT_EQ(parseFloat("1e-6"), 1e-6f);
    EXPECT_EQ(parseFloat("7"), 7.0f);
    EXPECT_EQ(parseFloat(".5"), 0.5f);
    EXPECT_TRUE(std::signbit(parseFloat("-0")));
}

TEST(Parsing, EveryShownValueReadsBackToTheSameFloat)
{
    for (float v : {0.1f, 1e-6f, -3.4028235e38f, 1.17549435e-38f, 123456.789f, -0.0f, 7.0e-45f}) {
        const float back = parseFloat(formatGeneral(v));
        EXPECT_EQ(std::memcmp(&back, &v, sizeof v), 0) << formatGeneral(v);
    }
}

class BadFloat : public ::testing::TestWithParam<const char*> {};

TEST_P(BadFloat, NamesTheTextInTheMessage)
{
    try {
        parseFloat(GetParam());
        FAIL() << "accepted '" << GetParam() << "'";
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), std::string("'") + GetParam() + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, BadFloat,
    ::testing::Values("abc", "", "-", "1.5.2", "1,5", "1e", "1e+", "4e38", "NAN", "1 2"),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(Parsing, IntegersAreSigned32Bit)
{
    EXPECT_EQ(parseInteger("300"), 300);
    EXPECT_EQ(parseInteger("-12"), -12);
    EXPECT_EQ(parseInteger("+7"), 7);
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const char* bad : {"2147483648", "", "-", "1.0", "12a", "99999999999999999999"}) {
        try {
            parseInteger(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' is not a valid integer value");
        }
    }
}

} // namespace
} // namespace wingsmith
