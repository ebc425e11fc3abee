// SPDX-License-Identifier: GPL-3.0-or-later
// The state files the report copies (LastNimbarDir, FoldersLoaded.txt,
// PlanesLoaded.txt), each given its own part of the input, as the report
// turns a file it has read into its section. Finding and reading the files
// is the same for every content and is covered by the tests.
#include "fuzzing/support/Parts.h"

#include "probewell/core/InstallationReport.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parts = fuzzing::splitParts({data, size}, 3);
    const std::string_view titles[] = {"LastNimbarDir", "FoldersLoaded", "PlanesLoaded"};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string_view text(reinterpret_cast<const char*>(parts[i].data()), parts[i].size());
        (void)probewell::stateFileSection(titles[i], text);
    }
    return 0;
}
