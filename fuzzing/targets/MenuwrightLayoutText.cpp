// SPDX-License-Identifier: GPL-3.0-or-later
// A layout text file as the rectangle locator and the hangar window load it,
// and the menu files made from what was loaded.
#include "menuwright/core/RectangleDrag.h"
#include "menuwright/core/TextfileCheck.h"
#include "menuwright/menufile/LayoutText.h"
#include "menuwright/menufile/MenuFileError.h"
#include "menuwright/menufile/MenuFileWriter.h"

#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace menuwright;
    const std::string text(reinterpret_cast<const char*>(data), size);

    std::istringstream counting(text);
    const TextfileCheck check = checkLayoutTextLength(countLayoutLines(counting), Side::USA);

    SelectionLayout selection;
    selection.side = check.axisFile ? Side::Axis : Side::USA;
    std::istringstream in(text);
    int row = 0;
    const auto apply = [&](int first, int last) {
        row = first;
        for (const ButtonRow& r : readLayoutRows(in, first, last)) {
            (void)geometryFromTexts(r.L, r.T, r.W, r.H);
            selection.rows[static_cast<std::size_t>(row++)] = r;
        }
    };
    apply(0, 5);
    if (check.axisFile)
        apply(6, 7);
    apply(8, 10);
    try {
        (void)buildSelectionFile(selection);
    } catch (const MenuFileError&) {
    }

    HangarLayout hangar;
    std::istringstream hangarIn(text);
    const auto rows = readLayoutRows(hangarIn, 0, HangarLayout::kRows - 1);
    for (std::size_t i = 0; i < rows.size(); ++i)
        hangar.rows[i] = rows[i];
    try {
        (void)buildHangarFile(hangar);
    } catch (const MenuFileError&) {
    }
    return 0;
}
