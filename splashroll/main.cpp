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
#include <memory>
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
    std::unique_ptr<CommandProcessor> processor;
    if (const auto program = findCommandProcessor(std::getenv("COMSPEC"), std::getenv("PATH")))
        processor = std::make_unique<ExternalProcessor>(*program);
    else
        processor = std::make_unique<BuiltinProcessor>(ec ? std::filesystem::path(".") : folder);
    runRotation(rotation, *processor);
    return 0;
}
