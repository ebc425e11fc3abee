// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestModelFile.h"

#include "vector/core/FacetNormal.h"
#include "vector/core/ModelNormals.h"
#include "vector/core/ModelReader.h"
#include "vector/core/NormalRangeError.h"
#include "vector/core/NumberText.h"

#include "tools/demogen/NormalsDemo.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vector {
namespace {

struct FacetCase {
    const char* name;
    Point16 p1, p2, p3;
    std::array<double, 3> expected;
    double length;
};

class FacetNormals : public ::testing::TestWithParam<FacetCase> {};

TEST_P(FacetNormals, AreScaledTo16384WithTheGamesSign)
{
    const FacetCase& c = GetParam();
    const FacetNormal n(c.p1, c.p2, c.p3);
    EXPECT_DOUBLE_EQ(n.length, c.length);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(n.scaled[k], c.expected[k], 1e-9) << "component " << k;
}

const double k45 = 16384.0 / std::sqrt(2.0); // 8192 * sqrt(2) = 11585.2375029604...

INSTANTIATE_TEST_SUITE_P(FacetNormal, FacetNormals,
    ::testing::Values(
        // Rows are nodes, components y, z, x.
        FacetCase{"UnitTriangle", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, -16384}, 1.0},
        FacetCase{"ReversedOrderFlips", {0, 0, 0}, {0, 1, 0}, {1, 0, 0}, {0, 0, 16384}, 1.0},
        FacetCase{"ThreeEqualNodes", {7, -3, 12}, {7, -3, 12}, {7, -3, 12}, {0, 0, 0}, 0.0},
        FacetCase{"OnOneLine", {0, 0, 0}, {2, 2, 2}, {5, 5, 5}, {0, 0, 0}, 0.0},
        FacetCase{"FortyFiveDegrees", {0, 0, 0}, {1, 0, 0}, {0, 1, 1}, {0, k45, -k45}, std::sqrt(2.0)},
        FacetCase{"LargeButInRange", {-100, 0, 0}, {80, 0, 0}, {-100, 0, 180}, {0, 16384, 0}, 180.0 * 180.0}),
    [](const auto& info) { return std::string(info.param.name); });

struct RangeCase {
    const char* name;
    Point16 p1, p2, p3;
    const char* words;
};

class FacetOutOfRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(FacetOutOfRange, IsRefused)
{
    const RangeCase& c = GetParam();
    try {
        FacetNormal n(c.p1, c.p2, c.p3);
        FAIL() << "computed " << n.scaled[0] << ", " << n.scaled[1] << ", " << n.scaled[2];
    } catch (const NormalRangeError& e) {
        EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(FacetNormal, FacetOutOfRange,
    ::testing::Values(RangeCase{"Difference", {-30000, 0, 0}, {30000, 0, 0}, {0, 0, 0}, "difference y2 - y1 is 60000"},
        RangeCase{"Product", {0, 0, 0}, {0, 200, 0}, {0, 0, 200}, "a product in the y component"},
        // Both products fit (30000 and -22500), their difference does not.
        RangeCase{"CrossTerm", {0, 0, 0}, {0, 150, -150}, {0, 150, 200}, "the y component of the cross product is 52500"}),
    [](const auto& info) { return std::string(info.param.name); });

Model readDemo(const std::vector<std::uint8_t>& bytes)
{
    return readModelBytes(bytes, bytes.size(), "demo.3dz", Model{});
}

TEST(CalculateNormals, GivesTheBoxItsOutwardNormals)
{
    Model m = readDemo(demogen::buildDemoBox());
    const auto stored = m.elements;
    for (int e = 0; e < 6; ++e)
        m.elements[e][0] = m.elements[e][1] = m.elements[e][2] = 0;
    std::vector<int> progress;
    calculateNormals(m, [&](int e) { progress.push_back(e); });
    EXPECT_EQ(m.elements, stored);
    EXPECT_EQ(progress, (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST(CalculateNormals, EveryDemoModelGetsUnitNormalsExceptItsLights)
{
    for (const auto& bytes : {demogen::buildDemoSparrow(), demogen::buildDemoDome()}) {
        Model m = readDemo(bytes);
        ASSERT_GT(m.elementCount, 0);
        const auto before = m.elements;
        calculateNormals(m);
        for (int e = 0; e < m.elementCount; ++e) {
            const auto& r = m.elements[e];
            const double length = std::sqrt(double(r[0]) * r[0] + double(r[1]) * r[1] + double(r[2]) * r[2]);
            if (m.vertices[e][0] == m.vertices[e][1] && m.vertices[e][1] == m.vertices[e][2]) {
                EXPECT_EQ(r, before[e]) << "element " << e << " has no facet and keeps what was read";
            } else {
                EXPECT_NEAR(length, 16384.0, 1.5) << "element " << e;
            }
            for (int k = 3; k < 6; ++k)
                EXPECT_EQ(r[k], before[e][k]);
        }
    }
}

TEST(CalculateNormals, RoundsEachComponentToTheNearestInteger)
{
    // Cross product (0, 12, 16) of length 20: -(0, 9830.4, 13107.2).
    const auto f = testing::triangles({{{{0, 0, 0}, {4, 0, 0}, {0, 4, -3}}}});
    const auto bytes = f.bytes();
    Model m = readDemo(bytes);
    const FacetNormal exact({0, 0, 0}, {4, 0, 0}, {0, 4, -3});
    calculateNormals(m);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(m.elements[0][k], std::lround(exact.scaled[k])) << k;
    EXPECT_EQ(m.elements[0][1], -9830);
    EXPECT_EQ(m.elements[0][2], -13107);
}

TEST(CalculateNormals, ARefusedRunChangesNoElement)
{
    auto f = testing::triangles({{{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}}, {{{0, 0, 0}, {0, 200, 0}, {0, 0, 200}}},
        {{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}}});
    const auto bytes = f.bytes();
    Model m = readDemo(bytes);
    const auto before = m.elements;
    int last = -1;
    try {
        calculateNormals(m, [&](int e) { last = e; });
        FAIL() << "an out-of-range element was computed";
    } catch (const NormalRangeError& e) {
        EXPECT_NE(std::string(e.what()).find("Element 1 (nodes 3, 4, 5)"), std::string::npos) << e.what();
    }
    EXPECT_EQ(m.elements, before);
    EXPECT_EQ(last, 0);
}

TEST(CalculateNormals, NoElementsNothingToDo)
{
    Model m;
    m.elements[0] = {1, 2, 3, 4, 5, 6};
    m.nodes[1] = {5, 0, 0, 0};
    m.vertices[0] = {0, 1, 2};
    int calls = 0;
    calculateNormals(m, [&](int) { ++calls; });
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(m.elements[0], (ElementRecord{1, 2, 3, 4, 5, 6}));
}

struct InputCase {
    const char* name;
    const char* text;
    char separator;
    int expected; // meaningful when accepted
    bool accepted;
};

class TypedNumbers : public ::testing::TestWithParam<InputCase> {};

TEST_P(TypedNumbers, RoundIntoSixteenBitsOrAreRefused)
{
    const InputCase& c = GetParam();
    if (c.accepted) {
        EXPECT_EQ(parseRoundedInt16(c.text, c.separator), c.expected);
    } else {
        EXPECT_THROW(parseRoundedInt16(c.text, c.separator), NormalRangeError);
    }
}

INSTANTIATE_TEST_SUITE_P(NumberText, TypedNumbers,
    ::testing::Values(InputCase{"Whole", "12", '.', 12, true}, InputCase{"SpacesAndSign", "  -7 ", '.', -7, true},
        InputCase{"HalfDown", "12.5", '.', 12, true}, InputCase{"HalfUp", "13.5", '.', 14, true},
        InputCase{"LocaleComma", "3,5", ',', 4, true}, InputCase{"PointWithCommaLocale", "2.6", ',', 3, true},
        InputCase{"Exponent", "1.5E2", '.', 150, true}, InputCase{"LeadingPoint", "-.6", '.', -1, true},
        InputCase{"TopRoundsIn", "32767.4", '.', 32767, true},
        InputCase{"BottomHalfRoundsToEven", "-32768.5", '.', -32768, true},
        InputCase{"TopHalfRoundsOut", "32767.5", '.', 0, false}, InputCase{"Huge", "1e400", '.', 0, false},
        InputCase{"Word", "abc", '.', 0, false}, InputCase{"Empty", "", '.', 0, false},
        InputCase{"OneSpace", " ", '.', 0, false}, InputCase{"TwoPoints", "1.2.3", '.', 0, false},
        InputCase{"CommaInPointLocale", "3,5", '.', 0, false}, InputCase{"BareExponent", "1e", '.', 0, false},
        InputCase{"DoubleSign", "--1", '.', 0, false}, InputCase{"Trailing", "12px", '.', 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberText, ResultsShowUpToFifteenDigitsAndNeverMinusZero)
{
    EXPECT_EQ(formatResult(-16384.0, '.'), "-16384");
    EXPECT_EQ(formatResult(-0.0, '.'), "0");
    EXPECT_EQ(formatResult(k45, '.'), "11585.2375029604");
    EXPECT_EQ(formatResult(-k45, ','), "-11585,2375029604");
    EXPECT_EQ(formatResult(0.5, '.'), "0.5");
}

} // namespace
} // namespace vector
