// The state files the report copies: LastNimbarDir in the game folder and
// FoldersLoaded.txt and PlanesLoaded.txt in Nimbar, each given the input.
#include "fuzzing/support/Scratch.h"

#include "probewell/core/InstallationReport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto game = [] {
        const auto dir = fuzzing::Scratch::freshFolder("game");
        std::filesystem::create_directories(dir / "Nimbar");
        return dir;
    }();
    fuzzing::Scratch::writeFile(game / "LastNimbarDir", {data, size});
    fuzzing::Scratch::writeFile(game / "Nimbar" / "FoldersLoaded.txt", {data, size});
    fuzzing::Scratch::writeFile(game / "Nimbar" / "PlanesLoaded.txt", {data, size});
    (void)probewell::buildReportLines(game);
    return 0;
}
