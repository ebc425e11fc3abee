// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/SpreadsheetRounding.h"

#include <gtest/gtest.h>

namespace wingsmith {
namespace {

struct RoundingCase {
    const char* stored;
    const char* imported;
    bool rounded;
};

void PrintTo(const RoundingCase& c, std::ostream* os)
{
    *os << c.stored << " -> " << c.imported;
}

class SpreadsheetRounding : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(SpreadsheetRounding, TellsASpreadsheetsRoundingFromATypedValue)
{
    EXPECT_EQ(looksSpreadsheetRounded(GetParam().stored, GetParam().imported), GetParam().rounded)
        << GetParam().stored << " -> " << GetParam().imported;
}

INSTANTIATE_TEST_SUITE_P(Cases, SpreadsheetRounding,
    ::testing::Values(
        // The sign of a zero, either way and in any spelling.
        RoundingCase{"-0", "0", true}, RoundingCase{"0", "-0", true}, RoundingCase{"-0", "0.0", true},
        RoundingCase{"-0", "-0", false},
        // Long values shortened, in the forms spreadsheets write.
        RoundingCase{"2.455615e+15", "2.46e+15", true}, RoundingCase{"2.455615e+15", "2.46E+15", true},
        RoundingCase{"2.455615e+15", "2460000000000000", true}, RoundingCase{"0.33333334", "0.333333", true},
        RoundingCase{"12345.678", "12345.68", true}, RoundingCase{"-1.2345678", "-1.23457", true},
        RoundingCase{"0.000123456789", "0.000123457", true}, RoundingCase{"1.2345678e-05", "1.23457E-05", true},
        RoundingCase{"123456.7", "123457", true}, RoundingCase{"999999.9", "1e+06", true},
        RoundingCase{"999999.9", "1.00E+06", true},
        // A dropped tail of exactly one half may go either way.
        RoundingCase{"1.234565", "1.23457", true}, RoundingCase{"1.234565", "1.23456", true},
        // Not a rounding of the stored value.
        RoundingCase{"2.455615e+15", "2.45e+15", false}, RoundingCase{"2.455615e+15", "2.47e+15", false},
        RoundingCase{"2.455615e+15", "2.46e+14", false}, RoundingCase{"-1.2345678", "1.23457", false},
        RoundingCase{"1.2345678", "1.2345678", false}, RoundingCase{"1.2345678", "1.23456789", false},
        // Rounded to fewer than three digits, or from a short value: typed.
        RoundingCase{"2.455615e+15", "2.5e+15", false}, RoundingCase{"7125", "7130", false},
        RoundingCase{"7900", "8000", false}, RoundingCase{"12345", "12300", false},
        // Not plain decimals.
        RoundingCase{"inf", "1e+38", false}, RoundingCase{"nan", "0", false}, RoundingCase{"0", "zero", false},
        RoundingCase{"1.2345678", "1.23457x", false}, RoundingCase{"1.2345678", "", false},
        RoundingCase{"1.2345678", "1..23457", false}));

} // namespace
} // namespace wingsmith
