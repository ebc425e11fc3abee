// SPDX-License-Identifier: GPL-3.0-or-later
// One entry of airbase.txt as the list reads each of its 162, and the
// airfield number of the base chosen from it. Input: a byte that picks how
// the entry before it was written (the reader's state at its start), then
// the entry's text (name, separator, number, line end). The whole list is
// sortiekit_airbase_list's.
#include "sortiekit/core/AirbaseList.h"
#include "sortiekit/core/SortiekitError.h"

#include <array>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace sortiekit;
    if (size == 0)
        return 0;
    static constexpr std::array<std::string_view, 5> kBefore{
        "", "Abbeville,1\r\n", "\"Amiens, Glisy\", 2\n", "Brest,3\r\n\r\n", "Caen,\r\n"};
    std::string text(kBefore[data[0] % kBefore.size()]);
    text.append(reinterpret_cast<const char*>(data + 1), size - 1);

    DelimitedReader reader(text);
    if (text.size() > size - 1)
        (void)AirbaseList::readEntry(reader);
    for (int i = 0; i < 2; ++i) {
        const auto field = AirbaseList::readEntry(reader);
        if (!field)
            break;
        try {
            (void)AirbaseList::recordNumber(*field);
        } catch (const SortiekitError&) {
        }
    }
    return 0;
}
