// SPDX-License-Identifier: GPL-3.0-or-later
// A .vmod file a stranger sends: what reads must write and read again to
// the very same text.
#include "mods/core/ModError.h"
#include "mods/core/ModFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const mods::Mod mod = mods::readMod(text, "fuzz.vmod");
        const std::string again = mods::modText(mod);
        if (mods::modText(mods::readMod(again, "again.vmod")) != again)
            std::abort();
    } catch (const mods::ModError&) {
    }
    return 0;
}
