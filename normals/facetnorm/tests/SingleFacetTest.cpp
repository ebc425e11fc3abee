// SPDX-License-Identifier: GPL-3.0-or-later
#include "facetnorm/core/FacetError.h"
#include "facetnorm/core/SingleFacet.h"
#include "facetnorm/core/SingleText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace facetnorm {
namespace {

struct FacetCase {
    const char* name;
    Point p1, p2, p3;
    PlaneSide side;
    Point expected;
};

class Facets : public ::testing::TestWithParam<FacetCase> {};

TEST_P(Facets, PointToTheChosenSide)
{
    const FacetCase& c = GetParam();
    const Point r = singleFacetNormal(c.p1, c.p2, c.p3, c.side);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(r[k], c.expected[k], 0.01) << "component " << k;
}

constexpr float k45 = 11585.2375f;

INSTANTIATE_TEST_SUITE_P(SingleFacet, Facets,
    ::testing::Values(FacetCase{"UnitRight", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, PlaneSide::Right, {0, 0, -16384}},
        FacetCase{"UnitLeft", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, PlaneSide::Left, {0, 0, 16384}},
        FacetCase{"EqualNodes", {3, 3, 3}, {3, 3, 3}, {3, 3, 3}, PlaneSide::Right, {0, 0, 0}},
        FacetCase{"OnOneLine", {0, 0, 0}, {1, 2, 3}, {2, 4, 6}, PlaneSide::Left, {0, 0, 0}},
        FacetCase{"FortyFiveDegrees", {0, 0, 0}, {1, 0, 0}, {0, 1, 1}, PlaneSide::Right, {0, k45, -k45}},
        FacetCase{"Fractions", {0.5f, 0.25f, 0}, {1.5f, 0.25f, 0}, {0.5f, 1.25f, 1}, PlaneSide::Left,
            {0, -k45, k45}},
        FacetCase{"Large", {-1e6f, 0, 0}, {1e6f, 0, 0}, {-1e6f, 0, 3e6f}, PlaneSide::Right, {0, 16384, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SingleFacet, RightAgreesWithTheGamesOwnDirection)
{
    // The whole-model calculator's normal is (P3 - P1) x (P2 - P1); "Right"
    // must give the same for an arbitrary facet.
    const Point p1{3, -7, 11}, p2{-5, 2, 9}, p3{4, 6, -8};
    const Point r = singleFacetNormal(p1, p2, p3, PlaneSide::Right);
    const double a[3] = {p2[0] - p1[0], p2[1] - p1[1], p2[2] - p1[2]};
    const double b[3] = {p3[0] - p1[0], p3[1] - p1[1], p3[2] - p1[2]};
    const double n[3] = {b[1] * a[2] - b[2] * a[1], b[2] * a[0] - b[0] * a[2], b[0] * a[1] - b[1] * a[0]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(r[k], n[k] * 16384 / length, 0.01) << k;
}

TEST(SingleFacet, OverflowIsRefused)
{
    EXPECT_THROW(singleFacetNormal({-3e38f, 0, 0}, {3e38f, 0, 0}, {0, 0, 0}, PlaneSide::Right), FacetError);
    EXPECT_THROW(singleFacetNormal({0, 0, 0}, {1e30f, 0, 0}, {0, 1e30f, 0}, PlaneSide::Left), FacetError);
}

TEST(SingleText, ReadsNumbersAndNothingElse)
{
    EXPECT_EQ(parseSingle("1.5", '.'), 1.5f);
    EXPECT_EQ(parseSingle(" -2,25 ", ','), -2.25f);
    EXPECT_EQ(parseSingle("2.5", ','), 2.5f);
    EXPECT_EQ(parseSingle("1E3", '.'), 1000.0f);
    EXPECT_EQ(parseSingle("3.4e38", '.'), 3.4e38f);
    EXPECT_EQ(parseSingle("1e-60", '.'), 0.0f);
    for (const char* bad : {"", " ", "abc", "1.2.3", "3,5", "4e", "1e39", "-1e400", "+", "."})
        EXPECT_EQ(parseSingle(bad, '.'), std::nullopt) << '"' << bad << '"';
}

TEST(SingleText, ShowsSevenDigitsAndNeverMinusZero)
{
    EXPECT_EQ(formatSingle(-16384.0f, '.'), "-16384");
    EXPECT_EQ(formatSingle(16384.0f, '.'), "16384");
    EXPECT_EQ(formatSingle(-0.0f, '.'), "0");
    EXPECT_EQ(formatSingle(11585.2375f, '.'), "11585.24");
    EXPECT_EQ(formatSingle(-0.125f, ','), "-0,125");
    EXPECT_EQ(formatSingle(1e-10f, '.'), "1E-10");
}

} // namespace
} // namespace facetnorm
