// SPDX-License-Identifier: GPL-3.0-or-later
#include "menuwright/menufile/CoordinateText.h"
#include "menuwright/menufile/MenuFileError.h"
#include "menuwright/menufile/MenuFileWriter.h"

#include "common/core/IoError.h"
#include "common/testing/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace menuwright {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes hex(const std::string& text)
{
    Bytes out;
    std::istringstream in(text);
    unsigned v = 0;
    while (in >> std::hex >> v)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

Bytes slice(const Bytes& b, std::size_t from, std::size_t count)
{
    return Bytes(b.begin() + static_cast<long>(from), b.begin() + static_cast<long>(from + count));
}

// An entry as read back from a file, by walking the layout independently
// of the writer.
struct Entry {
    std::size_t offset;
    int kind; // 6 button, 3 exit
    int id;
    std::string caption;
    std::array<int, 4> rect;
    std::size_t size;
};

std::vector<Entry> walkEntries(const Bytes& b, std::size_t pos)
{
    std::vector<Entry> entries;
    while (pos + 2 < b.size() && b[pos] == 0x00 && (b[pos + 1] == 0x06 || b[pos + 1] == 0x03)) {
        Entry e{};
        e.offset = pos;
        e.kind = b[pos + 1];
        e.id = b[pos + 2];
        const std::size_t lenAt = e.kind == 6 ? pos + 4 : pos + 6;
        const std::size_t k = b[lenAt] - 1u;
        e.caption.assign(b.begin() + static_cast<long>(lenAt + 4), b.begin() + static_cast<long>(lenAt + 4 + k));
        const std::size_t rectAt = lenAt + 4 + k + 1;
        for (int i = 0; i < 4; ++i)
            e.rect[i] = b[rectAt + 2 * i] | (b[rectAt + 2 * i + 1] << 8);
        e.size = e.kind == 6 ? k + 20 : k + 26;
        entries.push_back(e);
        pos += e.size;
    }
    return entries;
}

SelectionLayout sampleSelection(Side side)
{
    SelectionLayout layout;
    layout.side = side;
    layout.pictureName = selectionPictureName(side);
    for (int r = 0; r < SelectionLayout::kRows; ++r)
        layout.rows[r] = {"Row" + std::to_string(r), std::to_string(10 + r), std::to_string(40 * r), "100", "30"};
    return layout;
}

HangarLayout defaultHangar()
{
    HangarLayout layout;
    for (int r = 0; r < HangarLayout::kRows; ++r)
        layout.rows[r] = {HangarLayout::defaultCaptions()[r], "0", "0", "0", "0"};
    return layout;
}

TEST(SelectionFile, UsaHeaderAndFirstEntryOffset)
{
    const Bytes b = buildSelectionFile(sampleSelection(Side::USA));
    ASSERT_GT(b.size(), 31u);
    EXPECT_EQ(slice(b, 0, 5), hex("0E 0C 00 00 00"));
    EXPECT_EQ(std::string(b.begin() + 5, b.begin() + 16), "picplna.pic");
    EXPECT_EQ(b[16], 0x00);
    EXPECT_EQ(slice(b, 17, 14), hex("0D 00 00 00 00 80 02 E0 01 09 00 00 00 35"));
    EXPECT_EQ(slice(b, 31, 3), hex("00 06 01"));
}

struct SideCase {
    const char* name;
    Side side;
    std::vector<int> ids;
    std::vector<int> rows; // row written into each entry
};

class SelectionEntries : public ::testing::TestWithParam<SideCase> {};

TEST_P(SelectionEntries, IdsRowsAndSizeFollowTheSide)
{
    const auto& c = GetParam();
    const SelectionLayout layout = sampleSelection(c.side);
    const Bytes b = buildSelectionFile(layout);
    const std::size_t p = layout.pictureName.size();
    const auto entries = walkEntries(b, p + 20);
    ASSERT_EQ(entries.size(), c.ids.size());

    std::size_t expectedSize = p + 20;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& row = layout.rows[c.rows[i]];
        EXPECT_EQ(entries[i].id, c.ids[i]) << "entry " << i;
        EXPECT_EQ(entries[i].caption, row.caption) << "entry " << i;
        EXPECT_EQ(entries[i].rect, (std::array<int, 4>{std::stoi(row.L), std::stoi(row.T), 100, 30}));
        EXPECT_EQ(entries[i].kind, i + 1 == entries.size() ? 3 : 6);
        expectedSize += row.caption.size() + (i + 1 == entries.size() ? 26 : 20);
    }
    EXPECT_EQ(b.size(), expectedSize); // the exit entry ends the file
    const auto& exit = entries.back();
    EXPECT_EQ(slice(b, exit.offset, 4), (Bytes{0x00, 0x03, static_cast<std::uint8_t>(c.ids.back()), 0x00}));
    EXPECT_EQ(slice(b, exit.offset + 4, 2), hex("27 1D"));
    EXPECT_EQ(slice(b, b.size() - 7, 7), hex("AF 00 00 00 03 00 00"));
}

INSTANTIATE_TEST_SUITE_P(Sides, SelectionEntries,
    ::testing::Values(SideCase{"USA", Side::USA, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {0, 1, 2, 3, 4, 5, 8, 9, 10}},
        SideCase{"Britain", Side::Britain, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {0, 1, 2, 3, 4, 5, 8, 9, 10}},
        SideCase{"Axis", Side::Axis, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SelectionFile, AxisExitEntryStartsWithItsId)
{
    const SelectionLayout layout = sampleSelection(Side::Axis);
    const Bytes b = buildSelectionFile(layout);
    const auto entries = walkEntries(b, layout.pictureName.size() + 20);
    ASSERT_EQ(entries.size(), 11u);
    EXPECT_EQ(slice(b, entries.back().offset, 6), hex("00 03 0B 00 27 1D"));
    EXPECT_EQ(b[26], 0x0B); // entry count in the header
}

TEST(SelectionFile, EmptyAndNonSelectableRowsAreStillWritten)
{
    SelectionLayout layout = sampleSelection(Side::USA);
    layout.rows[0] = {"", "", "", "", ""};
    layout.rows[1] = {" ", "0", "0", "0", "0"};
    const Bytes b = buildSelectionFile(layout);
    const auto entries = walkEntries(b, 31);
    ASSERT_EQ(entries.size(), 9u);
    EXPECT_EQ(entries[0].size, 20u);
    EXPECT_EQ(slice(b, 31, 20), hex("00 06 01 00 01 00 00 00 00  00 00 00 00 00 00 00 00  01 00 00"));
    EXPECT_EQ(entries[1].offset, 51u);
    EXPECT_EQ(slice(b, 51, 21), hex("00 06 02 00 02 00 00 00 20 00  00 00 00 00 00 00 00 00  01 00 00"));
}

TEST(HangarFile, DefaultCaptionsGiveTheKnownBytes)
{
    HangarLayout layout = defaultHangar();
    layout.rows[4] = {"Fly Mission", "300", "640", " 120", "12.5"};
    const Bytes expected = hex(
        "0D 00 00 00 00 80 02 E0 01 05 00 00 00 35 00 14"
        " 00 06 01 00 05 00 00 00 42 61 63 6B 00  00 00 00 00 00 00 00 00  01 00 00"
        " 00 06 02 00 0D 00 00 00 41 72 6D 69 6E 67 20 42 6F 61 72 64 00  00 00 00 00 00 00 00 00  01 00 00"
        " 00 06 03 00 13 00 00 00 4D 69 73 73 69 6F 6E 20 50 61 72 61 6D 65 74 65 72 73 00"
        "   00 00 00 00 00 00 00 00  01 00 00"
        " 00 06 05 00 0B 00 00 00 56 69 65 77 20 50 6C 61 6E 65 00  00 00 00 00 00 00 00 00  01 00 00"
        " 00 06 06 00 0C 00 00 00 46 6C 79 20 4D 69 73 73 69 6F 6E 00  2C 01 80 02 78 00 0C 00  01 00 00"
        " 00");
    const Bytes b = buildHangarFile(layout);
    EXPECT_EQ(b.size(), 172u);
    EXPECT_EQ(b, expected);
}

struct CoordinateCase {
    const char* name;
    const char* text;
    int low, high;
};

class Coordinates : public ::testing::TestWithParam<CoordinateCase> {};

TEST_P(Coordinates, Encode)
{
    const auto [low, high] = encodeCoordinate(GetParam().text);
    EXPECT_EQ(low, GetParam().low);
    EXPECT_EQ(high, GetParam().high);
}

INSTANTIATE_TEST_SUITE_P(Texts, Coordinates,
    ::testing::Values(CoordinateCase{"ThreeHundred", "300", 0x2C, 0x01}, CoordinateCase{"ScreenWidth", "640", 0x80, 0x02},
        CoordinateCase{"Zero", "0", 0, 0}, CoordinateCase{"Empty", "", 0, 0}, CoordinateCase{"NotANumber", "abc", 0, 0},
        CoordinateCase{"LeadingBlank", " 120", 120, 0}, CoordinateCase{"LeadingTabAndPlus", "\t+7", 7, 0},
        CoordinateCase{"TrailingText", "12px", 12, 0}, CoordinateCase{"HalfToEvenDown", "12.5", 12, 0},
        CoordinateCase{"HalfToEvenUp", "13.5", 14, 0}, CoordinateCase{"FractionUp", "99.51", 100, 0},
        CoordinateCase{"LeadingPoint", ".7", 1, 0}, CoordinateCase{"SmallNegativeRoundsToZero", "-0.4", 0, 0},
        CoordinateCase{"Largest", "65535", 0xFF, 0xFF}, CoordinateCase{"NoExponent", "1e3", 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Coordinates, OutsideTwoBytesIsRefused)
{
    for (const char* text : {"-1", "65536", "65535.5", "-0.6", "123456789012345678901234567890"}) {
        EXPECT_FALSE(coordinateValue(text).has_value()) << text;
        EXPECT_THROW(encodeCoordinate(text), std::out_of_range) << text;
    }
}

TEST(MenuFileErrors, NameTheRowAndFieldThatCannotBeWritten)
{
    struct Case {
        int row;
        MenuFileError::Field field;
        MenuFileError::Problem problem;
        const char* message;
    };
    const std::vector<std::pair<std::function<void(SelectionLayout&)>, Case>> cases{
        {[](SelectionLayout& l) { l.rows[3].L = "-12"; },
            {3, MenuFileError::Field::L, MenuFileError::Problem::OutOfRange,
                "Row 3, L: \"-12\" is not a coordinate from 0 to 65535."}},
        {[](SelectionLayout& l) { l.rows[10].H = "70000"; },
            {10, MenuFileError::Field::H, MenuFileError::Problem::OutOfRange,
                "Row 10, H: \"70000\" is not a coordinate from 0 to 65535."}},
        {[](SelectionLayout& l) { l.rows[2].caption = std::string(255, 'x'); },
            {2, MenuFileError::Field::Caption, MenuFileError::Problem::TooLong,
                "Row 2, caption: 255 characters; at most 254 fit in a menu file."}},
        {[](SelectionLayout& l) { l.pictureName = std::string(255, 'p'); },
            {-1, MenuFileError::Field::PictureName, MenuFileError::Problem::TooLong,
                "The picture file name: 255 characters; at most 254 fit in a menu file."}},
        // A long caption is not quoted whole: the warning names the character.
        {[](SelectionLayout& l) { l.rows[9].caption = std::string(300, 'x') + "\xE2\x80\x94" + std::string(299, 'y'); },
            {9, MenuFileError::Field::Caption, MenuFileError::Problem::NotLatin1,
                "Row 9, caption: character 301, \"\xE2\x80\x94\" (U+2014), is outside the Latin-1 character set."}},
        {[](SelectionLayout& l) { l.rows[4].T = std::string(600, '9'); },
            {4, MenuFileError::Field::T, MenuFileError::Problem::OutOfRange,
                "Row 4, T: \"999999999999999999999999...\" is not a coordinate from 0 to 65535."}},
    };
    for (const auto& [edit, expected] : cases) {
        SelectionLayout layout = sampleSelection(Side::Axis);
        edit(layout);
        try {
            buildSelectionFile(layout);
            ADD_FAILURE() << "no error for " << expected.message;
        } catch (const MenuFileError& e) {
            EXPECT_EQ(e.row(), expected.row);
            EXPECT_EQ(e.field(), expected.field);
            EXPECT_EQ(e.problem(), expected.problem);
            EXPECT_STREQ(e.what(), expected.message);
        }
    }
}

TEST(MenuFileErrors, RowsOutsideTheFileAreNotChecked)
{
    // Rows 6 and 7 are not part of a USA file, so what they hold cannot stop it.
    SelectionLayout layout = sampleSelection(Side::USA);
    layout.rows[6].L = "-50";
    layout.rows[7].caption = std::string(300, 'x');
    EXPECT_NO_THROW(buildSelectionFile(layout));
}

TEST(MenuFileText, LongestCaptionAndLatin1Characters)
{
    HangarLayout layout = defaultHangar();
    layout.rows[0].caption = std::string(254, 'a');
    layout.rows[1].caption = "Zur\xC3\xBC" "ck"; // u with diaeresis
    const Bytes b = buildHangarFile(layout);
    EXPECT_EQ(b[16 + 4], 0xFF);
    const auto entries = walkEntries(b, 16);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[1].caption, "Zur\xFC" "ck");
}

TEST(MenuFileOnDisk, ReplacesAWholeLongerFile)
{
    common::TempDir dir;
    const auto path = dir / "picplna.mnu";
    common::writeAllBytes(path, Bytes(5000, 0xCC));
    writeSelectionFile(path, sampleSelection(Side::USA));
    EXPECT_EQ(common::readAllBytes(path), buildSelectionFile(sampleSelection(Side::USA)));

    writeHangarFile(dir / "hangarus.mnu", defaultHangar());
    EXPECT_EQ(std::filesystem::file_size(dir / "hangarus.mnu"), 172u);
}

TEST(MenuFileOnDisk, RefusedLayoutLeavesThePreviousFileAlone)
{
    common::TempDir dir;
    const auto path = dir / "hangarus.mnu";
    writeHangarFile(path, defaultHangar());
    const Bytes before = common::readAllBytes(path);

    HangarLayout bad = defaultHangar();
    bad.rows[4].W = "-3";
    EXPECT_THROW(writeHangarFile(path, bad), MenuFileError);
    EXPECT_EQ(common::readAllBytes(path), before);
    EXPECT_THROW(writeHangarFile(dir / "new.mnu", bad), MenuFileError);
    EXPECT_FALSE(std::filesystem::exists(dir / "new.mnu"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1); // no temporary left
}

TEST(MenuFileOnDisk, MissingFolderIsAnIoError)
{
    common::TempDir dir;
    EXPECT_THROW(writeHangarFile(dir / "no-such-folder" / "hangarus.mnu", defaultHangar()), common::IoError);
}

} // namespace
} // namespace menuwright
