// SPDX-License-Identifier: GPL-3.0-or-later
#include "splashroll/core/PictureCommands.h"
#include "splashroll/core/PictureRandom.h"
#include "splashroll/core/Refusal.h"
#include "splashroll/core/Request.h"
#include "splashroll/core/Rotation.h"

#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace splashroll {
namespace {

TEST(PictureRandom, GivesTheLibrarySequenceAfterDiscardingTheFirstOutput)
{
    const std::vector<std::pair<std::uint32_t, std::vector<int>>> cases{
        {0u, {346, 130, 10982, 1090, 11656}},
        {1u, {130, 10982, 1090, 11656, 7117}},
        {12345u, {24996, 10921, 23577, 19316, 10386}},
        {0xFFFFFFFFu, {561, 22046, 20874, 23292, 16195}},
        {1700000000u, {27381, 8621, 85, 10834, 17333}},
    };
    for (const auto& [seed, expected] : cases) {
        PictureRandom random(seed);
        std::vector<int> outputs;
        for (std::size_t i = 0; i < expected.size(); ++i)
            outputs.push_back(random.next());
        EXPECT_EQ(outputs, expected) << "seed " << seed;
    }
}

TEST(LenientNumber, ReadsLikeTheCLibrary)
{
    const std::vector<std::pair<std::string, long long>> cases{
        {"5", 5}, {"  +7x", 7}, {"-12", -12}, {"\t\n 42", 42}, {"007", 7}, {"12abc34", 12},
        {"abc", 0}, {"", 0}, {"+", 0}, {"+-3", 0}, {"- 3", 0}, {"x5", 0}, {"5.9", 5}, {"-0", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(readLenientNumber(text), expected) << '"' << text << '"';
    // Far too large values saturate instead of wrapping round to a small one.
    EXPECT_GT(readLenientNumber("18446744073709551621"), 65538);
    EXPECT_LT(readLenientNumber("-18446744073709551621"), -65538);
}

TEST(PictureIndex, ScalesTheRandomNumberToTheHighestPicture)
{
    struct Case {
        int highest, r, k;
    };
    for (const Case& c : std::vector<Case>{{0, 32767, 0}, {0, 12345, 0}, {5, 32767, 5}, {5, 32766, 4}, {5, 0, 0},
             {5, 6553, 0}, {5, 6554, 1}, {-5, 32767, -5}, {-5, 32766, -4}, {999, 16384, 499},
             {65538, 32767, 65538}, {-65538, 32767, -65538}})
        EXPECT_EQ(pictureIndex(c.highest, c.r), c.k) << c.highest << " x " << c.r;
}

TEST(CopyCommand, PadsTheNumberToThreeCharacters)
{
    const std::vector<std::pair<int, std::string>> cases{
        {0, "copy stem.000 main2.pic\n"}, {7, "copy stem.007 main2.pic\n"}, {9, "copy stem.009 main2.pic\n"},
        {10, "copy stem.010 main2.pic\n"}, {12, "copy stem.012 main2.pic\n"}, {99, "copy stem.099 main2.pic\n"},
        {100, "copy stem.100 main2.pic\n"}, {123, "copy stem.123 main2.pic\n"},
        {1000, "copy stem.1000 main2.pic\n"}, {-3, "copy stem.00-3 main2.pic\n"},
        {-123, "copy stem.00-123 main2.pic\n"},
    };
    for (const auto& [k, expected] : cases)
        EXPECT_EQ(copyCommand("stem", k), expected) << k;
    EXPECT_EQ(copyCommand("pics", 7), "copy pics.007 main2.pic\n");
}

struct RefusalCase {
    const char* name;
    std::vector<std::string> arguments;
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class RequestRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(RequestRefusal, RefusesBeforeAnythingRuns)
{
    EXPECT_THROW(parseRequest(GetParam().arguments), Refusal);
}

const std::string k31(31, 'a');
const std::string k32(32, 'a');

INSTANTIATE_TEST_SUITE_P(Arguments, RequestRefusal,
    testing::Values(RefusalCase{"NoArguments", {}}, RefusalCase{"OnlyTheStem", {"stem"}},
        RefusalCase{"EmptyStem", {"", "5"}}, RefusalCase{"Ampersand", {"a&del", "5"}},
        RefusalCase{"Pipe", {"a|b", "5"}}, RefusalCase{"RedirectOut", {"a>b", "5"}},
        RefusalCase{"RedirectIn", {"a<b", "5"}}, RefusalCase{"Caret", {"a^b", "5"}},
        RefusalCase{"Quote", {"a\"b", "5"}}, RefusalCase{"Percent", {"%PATH%", "5"}},
        RefusalCase{"Wildcard", {"pic*", "5"}}, RefusalCase{"Space", {"my pics", "5"}},
        RefusalCase{"LineFeed", {"a\ndel x", "5"}}, RefusalCase{"Tab", {"a\tb", "5"}},
        RefusalCase{"Delete", {"a\x7f", "5"}}, RefusalCase{"HighestTooLarge", {"stem", "65539"}},
        RefusalCase{"HighestTooSmall", {"stem", "-65539"}}, RefusalCase{"HighestHuge", {"stem", "4294967301"}},
        RefusalCase{"LongStemThreeDigits", {k32, "999"}}, RefusalCase{"LongStemFourDigits", {k31, "1000"}},
        RefusalCase{"LongStemNegative", {std::string(30, 'a'), "-10"}}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST(Request, AcceptsWhatTheCommandBufferHolds)
{
    const Request a = parseRequest({k31, "999", "ignored extra"});
    EXPECT_EQ(a.stem, k31);
    EXPECT_EQ(a.highest, 999);
    EXPECT_EQ(copyCommand(a.stem, a.highest).size(), kCommandBufferLength);
    EXPECT_EQ(parseRequest({std::string(30, 'a'), "1000"}).highest, 1000);
    EXPECT_EQ(parseRequest({std::string(29, 'a'), "-10"}).highest, -10);
    EXPECT_EQ(parseRequest({"..\\pics\\stem", "five"}).highest, 0);
    EXPECT_EQ(parseRequest({"stem", "65538"}).highest, 65538);
    EXPECT_EQ(parseRequest({"stem", "-65538"}).highest, -65538);
    EXPECT_EQ(parseRequest({"Bilder.\xc3\xa4", " +5 pictures"}).highest, 5);
}

TEST(Rotation, PlansTheThreeCommandsForTheSecondItRunsIn)
{
    // Seed 2 draws 32682 and seed 32 draws 26213 (see the sequence above).
    const Rotation a = planRotation({"stem", 5}, 2u);
    EXPECT_EQ(a.index, 4);
    EXPECT_EQ(a.picture, "stem.004");
    EXPECT_EQ(a.commands, (std::vector<std::string>{"del main2.pic", "copy stem.004 main2.pic\n", "copy main2.pic .."}));
    EXPECT_EQ(planRotation({"stem", 5}, 32u).index, 3);
    EXPECT_EQ(planRotation({"pics", 12345}, 1u).index, 48);
    EXPECT_EQ(planRotation({"pics", 0}, 2u).commands[1], "copy pics.000 main2.pic\n");
    EXPECT_EQ(planRotation({"pics", -7}, 2u).picture, "pics.00-6");

    // The seed is the time in whole seconds: the same second, the same picture.
    const std::uint32_t second = 1733600000u;
    EXPECT_EQ(planRotation({"stem", 999}, second).index, planRotation({"stem", 999}, second).index);
}

TEST(Rotation, RunsEveryCommandWhateverTheOutcome)
{
    struct Failing : CommandProcessor {
        std::vector<std::string> seen;
        bool run(const std::string& command) override
        {
            seen.push_back(command);
            return false;
        }
    } processor;
    const Rotation rotation = planRotation({"stem", 5}, 2u);
    runRotation(rotation, processor);
    EXPECT_EQ(processor.seen, rotation.commands);
}

TEST(Rotation, RefusesWhenTheChosenPictureIsNotInTheFolder)
{
    common::TempDir dir;
    const Rotation rotation = planRotation({"Stem", 5}, 2u); // picks Stem.004
    EXPECT_THROW(checkPictureIsThere(rotation, dir.path()), Refusal);
    common::writeAllText(dir / "stem.003", "x");
    EXPECT_THROW(checkPictureIsThere(rotation, dir.path()), Refusal);
    common::writeAllText(dir / "STEM.004", "x");
    EXPECT_NO_THROW(checkPictureIsThere(rotation, dir.path()));
}

} // namespace
} // namespace splashroll
