// SPDX-License-Identifier: GPL-3.0-or-later
// A loadout script or any text file the script page opens.
#include "fuzzing/support/Scratch.h"

#include "ordnix/core/ChangeScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto path = fuzzing::Scratch::folder() / "changes.lox";
    fuzzing::Scratch::writeFile(path, {data, size});
    (void)ordnix::ReadText(path);
    return 0;
}
