// SPDX-License-Identifier: GPL-3.0-or-later
// Mods/installed.json as a crash, an editor or a stranger may have left it.
#include "mods/core/InstalledMods.h"
#include "mods/core/ModError.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const auto installed = mods::InstalledMods::fromText(text, "installed.json");
        const std::string again = installed.text();
        if (mods::InstalledMods::fromText(again, "again").text() != again)
            std::abort();
    } catch (const mods::ModError&) {
    }
    return 0;
}
