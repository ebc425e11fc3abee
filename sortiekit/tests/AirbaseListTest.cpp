// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortiekit/core/AirbaseList.h"

#include "sortiekit/core/DelimitedReader.h"
#include "sortiekit/core/SortiekitError.h"

#include "common/testing/TempDir.h"
#include "tools/demogen/SortiekitDemo.h"

#include <gtest/gtest.h>

#include <vector>

namespace sortiekit {
namespace {

std::vector<std::string> allFields(std::string_view text)
{
    DelimitedReader reader(text);
    std::vector<std::string> fields;
    while (auto f = reader.next())
        fields.push_back(*f);
    return fields;
}

std::string records(int count, int firstNumber = 0)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "Field %d,%X\r\n", i, firstNumber + i);
        text += buf;
    }
    return text;
}

std::string errorOf(std::string_view text)
{
    try {
        AirbaseList::parse(text);
    } catch (const SortiekitError& e) {
        return e.what();
    }
    return "no error";
}

TEST(DelimitedReader, SplitsFieldsAsTheGameListIsWritten)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(allFields("Manston,A1\r\nKenley,2\r\n"), (V{"Manston", "A1", "Kenley", "2"}));
    // Quotes keep a comma; blanks before a field are skipped, inner blanks kept.
    EXPECT_EQ(allFields("\"Manston, Kent\",  1 2\n"), (V{"Manston, Kent", "1 2"}));
    // Blank lines between records are skipped; a missing number is empty.
    EXPECT_EQ(allFields("A,1\r\n\r\n  \r\nB,\r\nC,3"), (V{"A", "1", "B", "", "C", "3"}));
    // What follows a closing quote up to the comma is dropped.
    EXPECT_EQ(allFields("\"Ford\" (RN),5\n"), (V{"Ford", "5"}));
    // A record may run over two lines; an unclosed quote ends at the line end.
    EXPECT_EQ(allFields("Ford,\n5\n\"Open,6\nX,7"), (V{"Ford", "", "5", "Open,6", "X", "7"}));
    EXPECT_EQ(allFields("Last,"), (V{"Last", ""}));
    EXPECT_TRUE(allFields("").empty());
}

TEST(AirbaseList, ReadsTheGeneratedListWithItsMixedSpellings)
{
    common::TempDir dir;
    common::writeAllText(dir / "AirBase.TXT", demogen::buildAirbaseTxt());
    const AirbaseList list = AirbaseList::load(dir.path());
    for (int i = 0; i < AirbaseList::kCount; ++i) {
        ASSERT_TRUE(list[i].number.has_value()) << i;
        EXPECT_EQ(*list[i].number, demogen::demoAirfieldNumber(i)) << "entry " << i << " '" << list[i].numberText << "'";
    }
    EXPECT_EQ(list[63].name, "Manston, Kent");
    EXPECT_EQ(list[98].name, "Biggin Hill");
}

TEST(AirbaseList, RefusesAListWithFewerThan162Airfields)
{
    EXPECT_EQ(errorOf(records(161)), "airbase.txt holds only 161 of the 162 airfields the game has.");
    EXPECT_EQ(errorOf(records(161) + "Lonely name"), "airbase.txt holds only 161 of the 162 airfields the game has.");
    EXPECT_EQ(errorOf(""), "airbase.txt holds only 0 of the 162 airfields the game has.");
    EXPECT_EQ(errorOf(records(162)), "no error");
    // Anything after the 162nd record is not read.
    EXPECT_EQ(errorOf(records(162) + "More,junk,\"\n"), "no error");

    common::TempDir dir;
    EXPECT_THROW(AirbaseList::load(dir.path()), SortiekitError);
}

TEST(AirbaseList, RecordNumbersOfTheChosenEntriesAreChecked)
{
    std::string text = records(162);
    text.replace(text.find("Field 5,5"), 9, "Field 5,8000");  // does not fit in 16 bits
    text.replace(text.find("Field 6,6"), 9, "Field 6,A2");    // 162: past the last record
    text.replace(text.find("Field 7,7"), 9, "Field 7,00a1");  // 161: the last record
    const AirbaseList list = AirbaseList::parse(text);

    EXPECT_EQ(list.recordNumbers({98, 7, 158, 0}), (std::array<int, 4>{98, 161, 158, 0}));

    auto refusal = [&](std::array<int, 4> entries) {
        try {
            list.recordNumbers(entries);
        } catch (const SortiekitError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(refusal({1, 5, 2, 3}), "The number of Field 5 in airbase.txt, \"8000\", does not fit in 16 bits.");
    EXPECT_EQ(refusal({1, 2, 3, 6}),
        "Field 6 has the number 162 in airbase.txt, but airfield.dat holds only the airfields 0 to 161.");
    EXPECT_EQ(refusal({1, -1, 3, 4}), "No airfield is chosen for Allied  Base 2.");
}

} // namespace
} // namespace sortiekit
