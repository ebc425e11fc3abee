// SPDX-License-Identifier: GPL-3.0-or-later
// airfield.bak, the master copy airfield.dat is made from. Input: four
// record numbers (one byte each, 255 none), then the file.
#include "sortiekit/core/AirfieldFile.h"
#include "sortiekit/core/SortiekitError.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace sortiekit;
    std::array<int, 4> numbers{-1, -1, -1, -1};
    const std::size_t head = std::min<std::size_t>(size, 4);
    for (std::size_t i = 0; i < head; ++i)
        numbers[i] = data[i] == 255 ? -1 : data[i];
    try {
        (void)AirfieldFile::withBases({data + head, data + size}, numbers);
    } catch (const SortiekitError&) {
    }
    return 0;
}
