// SPDX-License-Identifier: GPL-3.0-or-later
#include "rosterly/core/AirForce.h"

#include <gtest/gtest.h>

namespace rosterly {
namespace {

struct NameCase {
    const char* label;
    const char* fullName;
    AirForce force;
};

void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << c.label;
}

class AirForceFromName : public testing::TestWithParam<NameCase> {};

TEST_P(AirForceFromName, TakesTheFourCharactersAfterTheLastSeparator)
{
    EXPECT_EQ(airForceOf(GetParam().fullName), GetParam().force);
}

INSTANTIATE_TEST_SUITE_P(Names, AirForceFromName,
    testing::Values(NameCase{"German", "/game/sqgr0001.dat", AirForce::Germany},
        NameCase{"UpperCase", "/game/SQUS0001.DAT", AirForce::UnitedStates},
        NameCase{"MixedCase", "/game/sqUK0002.dat", AirForce::Britain},
        NameCase{"BackslashPath", "C:\\VANTOR\\SqGr0001.dat", AirForce::Germany},
        NameCase{"BareName", "squk0001.dat", AirForce::Britain},
        NameCase{"FolderNamedLikeASquadron", "/game/squs/sqfr0001.dat", AirForce::None},
        NameCase{"French", "/game/sqfr0001.dat", AirForce::None},
        NameCase{"PrefixNotAtStart", "/game/xsqus001.dat", AirForce::None},
        NameCase{"TooShort", "/game/sq", AirForce::None}, NameCase{"Empty", "", AirForce::None}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(AirForce, TheThreeRangesShareOutCodes0To29)
{
    int owners[30] = {};
    for (AirForce force : {AirForce::UnitedStates, AirForce::Britain, AirForce::Germany}) {
        const CodeRange range = codesOf(force);
        for (int code = range.first; code <= range.last; ++code) {
            ASSERT_GE(code, 0);
            ASSERT_LT(code, 30);
            ++owners[code];
        }
    }
    for (int code = 0; code < 30; ++code)
        EXPECT_EQ(owners[code], 1) << "code " << code;
    EXPECT_EQ(codesOf(AirForce::Britain).first, 9);
    EXPECT_EQ(codesOf(AirForce::Germany).first, 16);
    EXPECT_FALSE(codesOf(AirForce::None).contains(0));
}

} // namespace
} // namespace rosterly
