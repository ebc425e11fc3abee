// SPDX-License-Identifier: GPL-3.0-or-later
// airbase.txt's text, and the airfield numbers of the bases chosen from it.

#include "sortiekit/core/AirbaseList.h"
#include "sortiekit/core/SortiekitError.h"

#include "common/core/IoError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace sortiekit;
    try {
        // What load() gives the parser once it has read the file.
        const AirbaseList list = AirbaseList::parse(std::string_view(reinterpret_cast<const char*>(data), size));
        for (int first = 0; first < AirbaseList::kCount; first += 4) {
            try {
                (void)list.recordNumbers({first, first + 1, first + 2, first + 3 < AirbaseList::kCount ? first + 3 : -1});
            } catch (const SortiekitError&) {
            }
        }
    } catch (const SortiekitError&) {
    } catch (const common::IoError&) {
    }
    return 0;
}
