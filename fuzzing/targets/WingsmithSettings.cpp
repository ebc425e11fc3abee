// Wingsmith.ini: reading the game folder, then storing a new one, which
// keeps every other line.
#include "fuzzing/support/Scratch.h"

#include "wingsmith/core/Settings.h"

#include "common/core/IoError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto path = fuzzing::Scratch::folder() / "Wingsmith.ini";
    fuzzing::Scratch::writeFile(path, {data, size});

    const wingsmith::Settings settings(path);
    const std::string folder = settings.resourcePath();
    try {
        settings.setResourcePath(folder + "/x");
    } catch (const common::IoError&) {
    }
    (void)settings.read("paths", "RESOURCEPATH", "none");
    return 0;
}
