// SPDX-License-Identifier: GPL-3.0-or-later
#include "LayoutLoading.h"

#include "SideSetup.h"

#include "menuwright/menufile/LayoutText.h"

namespace menuwright {

namespace {

void readInto(SelectionLayout& layout, std::istream& text, int first, int last)
{
    int i = first;
    for (ButtonRow& row : readLayoutRows(text, first, last))
        layout.rows[static_cast<std::size_t>(i++)] = std::move(row);
}

} // namespace

SelectionLayout loadSelectionLayout(std::istream& text, Side side)
{
    const SideSetup& setup = sideSetup(side);
    SelectionLayout layout;
    layout.side = side;
    layout.pictureName = setup.pictureName;
    for (std::size_t i = 0; i < setup.aircraft.size() && i < 8; ++i)
        layout.rows[i].caption = setup.aircraft[i];
    layout.rows[8].caption = setup.otherSide1;
    layout.rows[9].caption = setup.otherSide2;
    layout.rows[10].caption = "EXIT";

    readInto(layout, text, 0, 5);
    if (side == Side::Axis)
        readInto(layout, text, 6, 7);
    readInto(layout, text, 8, 10);
    return layout;
}

HangarLayout loadHangarLayout(std::istream& text)
{
    HangarLayout layout;
    for (int i = 0; i < HangarLayout::kRows; ++i)
        layout.rows[static_cast<std::size_t>(i)].caption = HangarLayout::defaultCaptions()[static_cast<std::size_t>(i)];
    int i = 0;
    for (ButtonRow& row : readLayoutRows(text, 0, HangarLayout::kRows - 1))
        layout.rows[static_cast<std::size_t>(i++)] = std::move(row);
    return layout;
}

} // namespace menuwright
