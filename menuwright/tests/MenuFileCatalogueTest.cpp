// SPDX-License-Identifier: GPL-3.0-or-later
#include "menuwright/menufile/MenuFileCatalogue.h"
#include "menuwright/menufile/MenuFileReader.h"
#include "menuwright/menufile/MenuFileWriter.h"

#include "common/core/FieldValueError.h"

#include <gtest/gtest.h>

namespace menuwright {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes selectionFile(Side side)
{
    SelectionLayout layout;
    layout.side = side;
    layout.pictureName = selectionPictureName(side);
    for (std::size_t i = 0; i < layout.rows.size(); ++i)
        layout.rows[i] = {"Bf 109 Ä" + std::to_string(i), std::to_string(20 + i), std::to_string(300 + 7 * i),
            std::to_string(200 - i), std::to_string(30 + i)};
    layout.rows[2].caption = ""; // an empty caption keeps its place
    return buildSelectionFile(layout);
}

Bytes hangarFile()
{
    HangarLayout layout;
    for (std::size_t i = 0; i < layout.rows.size(); ++i)
        layout.rows[i] = {HangarLayout::defaultCaptions()[i], std::to_string(16 + 100 * i), "424", "96", "34"};
    return buildHangarFile(layout);
}

std::string field(const Bytes& bytes, const std::string& record, const std::string& name)
{
    const MenuFileCatalogue catalogue;
    const auto place = catalogue.find(bytes, record, name);
    return place ? catalogue.text(bytes, *place) : "(none)";
}

// The fields read what the reader reads, the exit entry's too, where its
// caption and rectangle lie further into the entry.
TEST(MenuFileCatalogue, ReadsEveryButtonAsTheReaderDoes)
{
    const struct {
        const char* name;
        Bytes bytes;
    } files[] = {{"USA", selectionFile(Side::USA)}, {"Axis", selectionFile(Side::Axis)}, {"hangar", hangarFile()}};
    for (const auto& f : files) {
        const auto menu = readMenuFile(f.bytes);
        ASSERT_TRUE(menu) << f.name;
        EXPECT_EQ(field(f.bytes, "picture", "name"), menu->hangar ? "(none)" : menu->pictureName) << f.name;
        for (std::size_t i = 0; i < menu->buttons.size(); ++i) {
            const MenuButton& b = menu->buttons[i];
            const std::string record = "button " + std::to_string(i + 1);
            EXPECT_EQ(field(f.bytes, record, "id"), std::to_string(b.id)) << f.name << " " << record;
            EXPECT_EQ(field(f.bytes, record, "caption"), b.caption) << f.name << " " << record;
            EXPECT_EQ(field(f.bytes, record, "L"), std::to_string(b.L)) << f.name << " " << record;
            EXPECT_EQ(field(f.bytes, record, "T"), std::to_string(b.T)) << f.name << " " << record;
            EXPECT_EQ(field(f.bytes, record, "W"), std::to_string(b.W)) << f.name << " " << record;
            EXPECT_EQ(field(f.bytes, record, "H"), std::to_string(b.H)) << f.name << " " << record;
        }
        EXPECT_EQ(field(f.bytes, "button " + std::to_string(menu->buttons.size() + 1), "id"), "(none)") << f.name;
        Bytes cut = f.bytes;
        cut.pop_back();
        EXPECT_TRUE(MenuFileCatalogue().fields(cut).empty()) << f.name;
    }
}

// A text's length is fixed by the bytes around it: only one of the same
// length fits.
TEST(MenuFileCatalogue, TakesTextsOfTheirLengthAndNumbersOfTheirWidth)
{
    const MenuFileCatalogue catalogue;
    const Bytes file = selectionFile(Side::USA);
    const struct {
        const char* record;
        const char* field;
        std::string text;
        bool taken;
    } cases[] = {
        {"button 1", "caption", "Fw 190 Ö0", true},
        {"button 1", "caption", "Fw 190 A-8", false},
        {"button 1", "caption", "P-51", false},
        {"button 1", "caption", "Me 262 ★", false}, // outside Latin-1
        {"button 1", "caption", std::string("Bf 1\0009 Ä0", 10), false},
        {"button 3", "caption", "", true},
        {"button 3", "caption", " ", false},
        {"button 9", "caption", "EXIT      ", true},
        {"picture", "name", "picplnx.pic", true},
        {"picture", "name", "picplna.bmp.pic", false},
        {"button 9", "L", "65535", true},
        {"button 9", "L", "65536", false},
        {"button 9", "H", "-1", false},
        {"button 9", "H", "12.5", false},
        {"button 9", "H", "", false},
        {"button 4", "id", "255", true},
        {"button 4", "id", "256", false},
    };
    for (const auto& c : cases) {
        const auto place = catalogue.find(file, c.record, c.field);
        ASSERT_TRUE(place) << c.record << " " << c.field;
        if (!c.taken) {
            EXPECT_THROW(catalogue.withText(file, *place, c.text), common::FieldValueError)
                << c.record << " " << c.field << " " << c.text;
            continue;
        }
        const Bytes changed = catalogue.withText(file, *place, c.text);
        EXPECT_EQ(changed.size(), file.size());
        EXPECT_EQ(catalogue.text(changed, *place), c.text) << c.record << " " << c.field;
        ASSERT_TRUE(readMenuFile(changed)) << c.record << " " << c.field << " " << c.text;
    }
}

// Only the coordinates of the way a button runs off the screen are warned of.
TEST(MenuFileCatalogue, WarnsOfTheCoordinatesThatTakeAButtonOffTheScreen)
{
    const MenuFileCatalogue catalogue;
    const struct {
        int L, T, W, H;
        bool across, down;
    } cases[] = {
        {600, 440, 40, 40, false, false},
        {601, 0, 40, 10, true, false},
        {0, 471, 10, 10, false, true},
        {630, 470, 11, 11, true, true},
    };
    for (const auto& c : cases) {
        HangarLayout layout;
        layout.rows.fill({"Back", "0", "0", "10", "10"});
        layout.rows[4]
            = {"Fly Mission", std::to_string(c.L), std::to_string(c.T), std::to_string(c.W), std::to_string(c.H)};
        const Bytes file = buildHangarFile(layout);
        for (const char* name : {"L", "T", "W", "H"}) {
            const bool across = name[0] == 'L' || name[0] == 'W';
            const auto warning = catalogue.outOfDomain(file, *catalogue.find(file, "button 5", name));
            EXPECT_EQ(warning.has_value(), across ? c.across : c.down) << c.L << " " << c.T << " " << name;
            EXPECT_FALSE(catalogue.outOfDomain(file, *catalogue.find(file, "button 4", name))) << name;
        }
        EXPECT_FALSE(catalogue.outOfDomain(file, *catalogue.find(file, "button 5", "caption")));
    }
}

} // namespace
} // namespace menuwright
