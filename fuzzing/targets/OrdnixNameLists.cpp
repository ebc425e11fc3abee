// SPDX-License-Identifier: GPL-3.0-or-later
// The four name lists (Weapons.txt, Planes.txt, Locations.txt, Mounts.txt),
// each given the input's text as the loader turns a file it has read into
// the list, and the names the editor shows from them. Finding and reading
// the files is the same for every content and is covered by the tests.
#include "ordnix/core/NameLists.h"

#include "common/core/TextLines.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ordnix;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    NameLists lists;
    for (NameList* list : {&lists.weapons, &lists.planes, &lists.locations, &lists.mounts}) {
        SetListLines(*list, common::splitTextLines(text), lists.problems);
        for (double code : {-1.0, 0.0, 1.5, 50.0, 255.0})
            (void)list->nameOf(code, "?");
    }
    return 0;
}
