// splashroll STEM HIGHEST: run in a folder holding STEM.000 ... STEM.HIGHEST,
// installs one of them at random as main2.pic there and in the game folder
// above it.
#include "splashroll/core/BuiltinProcessor.h"
#include "splashroll/core/Console.h"
#include "splashroll/core/ExternalProcessor.h"
#include "splashroll/core/ProcessorLookup.h"
#include "splashroll/core/Refusal.h"
#include "splashroll/core/Request.h"
#include "splashroll/core/Rotation.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

int main(int argc, char** argv)
{
    using namespace splashroll;
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::current_path(ec);

    Rotation rotation;
    try {
        const Request request = parseRequest(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
        rotation = planRotation(request, static_cast<std::uint32_t>(std::time(nullptr)));
        checkPictureIsThere(rotation, ec ? std::filesystem::path(".") : folder);
    } catch (const Refusal& refusal) {
        std::fprintf(stderr, "splashroll: %s (usage: splashroll STEM HIGHEST-NUMBER)\n", refusal.what());
        return 2;
    }

    clearConsole(stdout);
    if (const auto program = findCommandProcessor(std::getenv("COMSPEC"), std::getenv("PATH"))) {
        // The command processor shows its own messages; its outcomes are
        // left to it.
        ExternalProcessor processor(*program);
        runRotation(rotation, processor);
        return 0;
    }
    // Our own commands have no one else to tell of a failure: a picture
    // that silently stayed the old one looks like a broken rotator.
    BuiltinProcessor processor(ec ? std::filesystem::path(".") : folder);
    const auto failed = runRotation(rotation, processor);
    for (const FailedCommand& f : failed)
        std::fprintf(stderr, "splashroll: \"%s\" failed: %s\n", f.command.c_str(), f.reason.c_str());
    return failed.empty() ? 0 : 1;
}
