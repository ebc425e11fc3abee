// SPDX-License-Identifier: GPL-3.0-or-later
// Wingsmith.ini's text: reading the game folder, then storing a new one,
// which keeps every other line, and reading it back. The file handling
// around these steps is the same for every content and is covered by the
// tests.
#include "wingsmith/core/Settings.h"

#include "common/core/TextLines.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto lines = common::splitTextLines(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string folder = wingsmith::profileValue(lines, "Paths", "Resourcepath", "");
    const auto written = wingsmith::withProfileValue(lines, "Paths", "Resourcepath", folder + "/x");
    (void)wingsmith::profileValue(written, "paths", "RESOURCEPATH", "none");
    return 0;
}
