// SPDX-License-Identifier: GPL-3.0-or-later
#include "menuwright/menufile/MenuFileReader.h"
#include "menuwright/menufile/MenuFileWriter.h"
#include "menuwright/menufile/ScreenCheck.h"

#include <gtest/gtest.h>

namespace menuwright {
namespace {

TEST(MenuFileReader, ReadsBackWhatTheWriterBuilds)
{
    SelectionLayout layout;
    layout.side = Side::Axis;
    layout.pictureName = "picplng.pic";
    for (int i = 0; i < SelectionLayout::kRows; ++i)
        layout.rows[static_cast<std::size_t>(i)] = {"Bf 109 Ä" + std::to_string(i), std::to_string(300 + i), "7",
            std::to_string(640 - i), "20"};
    const auto selection = readMenuFile(buildSelectionFile(layout));
    ASSERT_TRUE(selection);
    EXPECT_EQ(selection->pictureName, "picplng.pic");
    ASSERT_EQ(selection->buttons.size(), 11u);
    EXPECT_EQ(selection->buttons[10], (MenuButton{11, "Bf 109 Ä10", 310, 7, 630, 20}));
    EXPECT_EQ(selection->buttons[8].id, 9);

    HangarLayout hangar;
    for (int i = 0; i < HangarLayout::kRows; ++i)
        hangar.rows[static_cast<std::size_t>(i)] = {HangarLayout::defaultCaptions()[static_cast<std::size_t>(i)], "1",
            "2", "3", "4"};
    auto bytes = buildHangarFile(hangar);
    const auto read = readMenuFile(bytes);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->buttons.size(), 5u);
    EXPECT_EQ(read->buttons[3], (MenuButton{5, "View Plane", 1, 2, 3, 4}));

    bytes.pop_back();
    EXPECT_FALSE(readMenuFile(bytes));
}

// A button that ends on the screen's last pixel is on it; one pixel
// further is off, to the right and below alike.
TEST(ScreenCheck, NamesTheButtonsThatReachBeyondTheScreen)
{
    MenuFileContents menu;
    menu.buttons = {{1, "edge", 600, 440, 40, 40}, {2, "right", 601, 0, 40, 10}, {3, "below", 0, 471, 10, 10},
        {4, "inside", 10, 10, 100, 20}, {5, "huge", 65535, 65535, 65535, 65535}};
    EXPECT_EQ(buttonsOffScreen(menu), (std::vector<std::size_t>{1, 2, 4}));
}

// What the windows add to their status line after writing a hangar file,
// built from the file as written.
TEST(ScreenCheck, TheNoticeNamesTheFirstButtonOffTheScreenAndCountsTheRest)
{
    const auto hangar = [](std::initializer_list<ButtonRow> rows) {
        HangarLayout layout;
        int r = 0;
        for (const ButtonRow& row : rows)
            layout.rows[static_cast<std::size_t>(r++)] = row;
        for (; r < HangarLayout::kRows; ++r)
            layout.rows[static_cast<std::size_t>(r)]
                = {HangarLayout::defaultCaptions()[static_cast<std::size_t>(r)], "10", "10", "50", "20"};
        return layout;
    };
    const struct {
        HangarLayout layout;
        std::string notice;
    } cases[] = {
        {hangar({}), ""},
        {hangar({{"Back", "600", "440", "40", "40"}}), ""},
        {hangar({{"Back", "10", "10", "50", "20"}, {"Arming Board", "620", "5", "30", "20"}}),
            "Button 2 reaches beyond the 640 x 480 screen (L 620, T 5, W 30, H 20)."},
        {hangar({{"Back", "0", "470", "5", "11"}, {"Arming Board", "620", "5", "30", "20"},
             {"Mission Parameters", "639", "479", "2", "2"}}),
            "Button 1 reaches beyond the 640 x 480 screen (L 0, T 470, W 5, H 11); 2 more do."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(offScreenNotice(c.layout), c.notice);
    EXPECT_EQ(offScreenWarnings(*readMenuFile(buildHangarFile(cases[2].layout))),
        std::vector<std::string>{"button 2 reaches beyond the 640 x 480 screen (L 620, T 5, W 30, H 20)"});
}

} // namespace
} // namespace menuwright
