// SPDX-License-Identifier: GPL-3.0-or-later
#include "menuwright/menufile/LayoutText.h"
#include "menuwright/menufile/MenuFileError.h"

#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace menuwright {
namespace {

using Lines = std::vector<std::string>;

SelectionLayout numberedSelection(Side side)
{
    SelectionLayout layout;
    layout.side = side;
    for (int r = 0; r < SelectionLayout::kRows; ++r) {
        const std::string n = std::to_string(r);
        layout.rows[r] = {"c" + n, "l" + n, "t" + n, "w" + n, "h" + n};
    }
    return layout;
}

Lines rowLines(int r)
{
    const std::string n = std::to_string(r);
    return {"c" + n, "l" + n, "t" + n, "w" + n, "h" + n};
}

Lines rowsLines(std::initializer_list<int> rows)
{
    Lines out;
    for (int r : rows)
        for (auto& line : rowLines(r))
            out.push_back(line);
    return out;
}

TEST(LayoutTextWriting, CompleteSelectionHoldsRowsSixAndSevenOnlyForTheAxis)
{
    EXPECT_EQ(layoutTextLines(numberedSelection(Side::USA), LayoutTextVariant::SelectionComplete),
        rowsLines({0, 1, 2, 3, 4, 5, 8, 9, 10}));
    EXPECT_EQ(layoutTextLines(numberedSelection(Side::Britain), LayoutTextVariant::SelectionComplete).size(), 45u);
    EXPECT_EQ(layoutTextLines(numberedSelection(Side::Axis), LayoutTextVariant::SelectionComplete),
        rowsLines({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    SelectionLayout blank = numberedSelection(Side::USA);
    blank.rows[2] = {};
    const Lines lines = layoutTextLines(blank, LayoutTextVariant::SelectionComplete);
    ASSERT_EQ(lines.size(), 45u);
    EXPECT_EQ(Lines(lines.begin() + 10, lines.begin() + 15), Lines(5, ""));
}

TEST(LayoutTextWriting, NonEmptyFieldsSkipEmptyOnesAndKeepAllRows)
{
    SelectionLayout layout = numberedSelection(Side::USA); // rows 6-7 filled although USA
    EXPECT_EQ(layoutTextLines(layout, LayoutTextVariant::SelectionNonEmptyFields).size(), 55u);

    layout.rows[1].L = "";
    layout.rows[4] = {};
    const Lines lines = layoutTextLines(layout, LayoutTextVariant::SelectionNonEmptyFields);
    ASSERT_EQ(lines.size(), 49u);
    EXPECT_EQ(Lines(lines.begin() + 5, lines.begin() + 10), (Lines{"c1", "t1", "w1", "h1", "c2"}));

    // Read back, the fields after the missing L shift up one line.
    std::string text;
    for (const auto& l : lines)
        text += l + "\r\n";
    std::istringstream in(text);
    const auto rows = readLayoutRows(in, 0, 1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], (ButtonRow{"c1", "t1", "w1", "h1", "c2"}));
}

TEST(LayoutTextWriting, HangarWritesShownRowsOnly)
{
    HangarLayout layout;
    for (int r = 0; r < HangarLayout::kRows; ++r)
        layout.rows[r] = {HangarLayout::defaultCaptions()[r], "", "", "", ""};
    EXPECT_TRUE(layoutTextLines(layout, {false, false, false, false, false}).empty());
    EXPECT_EQ(layoutTextLines(layout, {true, true, true, true, true}).size(), 25u);
    EXPECT_EQ(layoutTextLines(layout, {false, true, false, false, true}),
        (Lines{"Arming Board", "", "", "", "", "Fly Mission", "", "", "", ""}));
}

TEST(LayoutTextWriting, FileHasCrlfLinesInLatin1)
{
    common::TempDir dir;
    HangarLayout layout;
    layout.rows[0] = {" Zur\xC3\xBC" "ck ", "10", " 20", "100.5", ""};
    writeLayoutText(dir / "h.txt", layout, {true, false, false, false, false});
    EXPECT_EQ(common::readAllText(dir / "h.txt"), " Zur\xFC" "ck \r\n10\r\n 20\r\n100.5\r\n\r\n");

    SelectionLayout selection = numberedSelection(Side::Axis);
    writeLayoutText(dir / "s.txt", selection, LayoutTextVariant::SelectionComplete);
    std::istringstream in(common::readAllText(dir / "s.txt"));
    EXPECT_EQ(countLayoutLines(in), 55u);
}

TEST(LayoutTextWriting, CharacterOutsideLatin1NamesRowAndField)
{
    SelectionLayout layout = numberedSelection(Side::USA);
    layout.rows[7].W = "5\xE2\x82\xAC"; // euro sign, in a row only the non-empty variant writes
    EXPECT_NO_THROW(layoutTextLines(layout, LayoutTextVariant::SelectionComplete));
    try {
        layoutTextLines(layout, LayoutTextVariant::SelectionNonEmptyFields);
        ADD_FAILURE() << "written";
    } catch (const MenuFileError& e) {
        EXPECT_EQ(e.row(), 7);
        EXPECT_EQ(e.field(), MenuFileError::Field::W);
    }
}

TEST(LayoutTextReading, RoundTripKeepsBlanksAndEmptyLines)
{
    common::TempDir dir;
    SelectionLayout layout = numberedSelection(Side::Axis);
    layout.rows[0] = {"         P51 D          ", " 12", "", "abc", "0"};
    layout.rows[5] = {" ", "0", "0", "0", "0"};
    // Latin-1 bytes that happen to form UTF-8 (DF B0, C3 A9) stay Latin-1.
    layout.rows[6].caption = "Bf 109 \xC3\x9F\xC2\xB0";
    layout.rows[7].caption = "\xC3\x83\xC2\xA9";
    writeLayoutText(dir / "a.txt", layout, LayoutTextVariant::SelectionComplete);

    std::istringstream in(common::readAllText(dir / "a.txt"));
    const auto first = readLayoutRows(in, 0, 5);
    const auto middle = readLayoutRows(in, 6, 7);
    const auto last = readLayoutRows(in, 8, 10);
    ASSERT_EQ(first.size() + middle.size() + last.size(), 11u);
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(first[r], layout.rows[r]) << r;
    EXPECT_EQ(middle[0], layout.rows[6]);
    EXPECT_EQ(middle[1], layout.rows[7]);
    EXPECT_EQ(last[2], layout.rows[10]);
}

struct LineEndCase {
    const char* name;
    const char* text;
    std::size_t count;
    Lines firstRow; // empty: fewer than five lines
};

class LineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, CountAndReadAgree)
{
    const auto& c = GetParam();
    std::istringstream counting(c.text);
    EXPECT_EQ(countLayoutLines(counting), c.count);
    std::istringstream reading(c.text);
    const auto rows = readLayoutRows(reading, 0, 0);
    if (c.firstRow.empty()) {
        EXPECT_TRUE(rows.empty());
    } else {
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ((Lines{rows[0].caption, rows[0].L, rows[0].T, rows[0].W, rows[0].H}), c.firstRow);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, LineEnds,
    ::testing::Values(LineEndCase{"Empty", "", 0, {}}, LineEndCase{"Crlf", "a\r\n1\r\n2\r\n3\r\n4\r\n", 5, {"a", "1", "2", "3", "4"}},
        LineEndCase{"LastLineWithoutEnd", "a\r\n1\r\n2\r\n3\r\n4", 5, {"a", "1", "2", "3", "4"}},
        LineEndCase{"BareCr", "a\r1\r2\r3\r4\r", 5, {"a", "1", "2", "3", "4"}},
        LineEndCase{"BareLf", "a\n1\n2\n3\n4\n", 5, {"a", "1", "2", "3", "4"}},
        LineEndCase{"EmptyLines", "\r\n\r\n\r\n\r\n\r\n\r\n", 6, {"", "", "", "", ""}},
        LineEndCase{"FourLines", "a\r\n1\r\n2\r\n3\r\n", 4, {}},
        LineEndCase{"Latin1Line", "Zur\xFC" "ck\r\n1\r\n2\r\n3\r\n4\r\n", 5, {"Zur\xC3\xBC" "ck", "1", "2", "3", "4"}},
        LineEndCase{"Utf8WithoutMarkIsLatin1", "Zur\xC3\xBC" "ck\r\n1\r\n2\r\n3\r\n4\r\n", 5,
            {"Zur\xC3\x83\xC2\xBC" "ck", "1", "2", "3", "4"}},
        LineEndCase{"Utf8AfterByteOrderMark", "\xEF\xBB\xBFZur\xC3\xBC" "ck\r\n1\r\n2\r\n3\r\n4\r\n", 5,
            {"Zur\xC3\xBC" "ck", "1", "2", "3", "4"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutTextReading, ShortFileGivesTheWholeRowsOnly)
{
    std::string text;
    for (int i = 0; i < 13; ++i)
        text += "x" + std::to_string(i) + "\r\n";
    std::istringstream in(text);
    const auto rows = readLayoutRows(in, 0, 5);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].H, "x9");
    EXPECT_TRUE(readLayoutRows(in, 6, 7).empty());
}

} // namespace
} // namespace menuwright
