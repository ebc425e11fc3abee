// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/ShownText.h"

#include <gtest/gtest.h>

#include <string>

namespace vantorcli {
namespace {

struct ShownCase {
    const char* name;
    std::string input;
    std::string shown;
};

void PrintTo(const ShownCase& c, std::ostream* os)
{
    *os << c.name;
}

class ShownText : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownText, EscapesAndCuts)
{
    EXPECT_EQ(common::shownText(GetParam().input, 10), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShownText,
    ::testing::Values(ShownCase{"Plain", "P-51D", "P-51D"}, ShownCase{"LineEnds", "a\r\nb\tc", "a\\r\\nb\\tc"},
        ShownCase{"EscapeAndDelete", "\x1b[2J\x7f", "\\x1B[2J\\x7F"},
        ShownCase{"NulByte", std::string("a\0b", 3), "a\\x00b"},
        ShownCase{"LongNameCut", "Messerschmitt Bf 109", "Messerschm..."},
        ShownCase{"Utf8LettersCountOnce",
            "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9",
            "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"},
        ShownCase{"ExactlyTheLimit", "0123456789", "0123456789"},
        ShownCase{"OneOverTheLimit", "0123456789A", "0123456789..."}, ShownCase{"StrayByte", "g\xff", "g\\xFF"},
        ShownCase{"Overlong", "\xc0\xaf", "\\xC0\\xAF"}, ShownCase{"CutSequence", "ab\xe2\x82", "ab\\xE2\\x82"},
        ShownCase{"Surrogate", "\xed\xa0\x80", "\\xED\\xA0\\x80"},
        ShownCase{"C1Control",
            "\xc2\x9b"
            "31m",
            "\\xC2\\x9B31m"},
        ShownCase{"EscapesCountOnce", "\n\n\n\n\n\n\n\n\n\n\n", "\\n\\n\\n\\n\\n\\n\\n\\n\\n\\n..."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vantorcli
