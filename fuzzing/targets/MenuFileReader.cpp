// SPDX-License-Identifier: GPL-3.0-or-later
// A selection or hangar menu file read back, as `vantor diff` compares two
// installations' menus.
#include "menuwright/menufile/MenuFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto contents = menuwright::readMenuFile({data, size});
    if (contents) {
        std::size_t total = contents->pictureName.size();
        for (const auto& b : contents->buttons)
            total += b.caption.size();
        // Every caption came out of the input.
        if (total > size * 4)
            __builtin_trap();
    }
    return 0;
}
