// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/Rounding.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace common {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourInEveryRoundingMode)
{
    const std::vector<std::pair<double, double>> cases{{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0},
        {1.5, 2}, {2.4999, 2}, {2.5001, 3}, {-0.4, 0}, {11585.2375, 11585}, {16384, 16384}, {255.5, 256}};
    const int saved = std::fegetround();
    for (int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        std::fesetround(mode);
        for (const auto& [in, out] : cases)
            EXPECT_EQ(roundHalfEven(in), out) << in << " in rounding mode " << mode;
    }
    std::fesetround(saved);
    EXPECT_TRUE(std::isinf(roundHalfEven(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(roundHalfEven(std::numeric_limits<double>::quiet_NaN())));
}

} // namespace
} // namespace common
