// SPDX-License-Identifier: GPL-3.0-or-later
// planes.txt as Rosterly reads it, and the record names it gives every code.
#include "fuzzing/support/Scratch.h"

#include "rosterly/core/PlaneList.h"

#include "common/core/IoError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace rosterly;
    const auto path = fuzzing::Scratch::folder() / "planes.txt";
    fuzzing::Scratch::writeFile(path, {data, size});
    const PlaneList planes = PlaneList::load(path);
    for (int code = 0; code < 256; ++code)
        (void)planes.recordName(static_cast<std::uint8_t>(code));
    (void)planes.tooLong();
    return 0;
}
