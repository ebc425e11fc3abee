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
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

const char* const kUsage =
    "Usage: splashroll STEM HIGHEST-NUMBER\n"
    "\n"
    "Run in a folder holding the pictures STEM.000 ... STEM.HIGHEST-NUMBER: installs one\n"
    "of them, chosen at random, as main2.pic there and in the game folder above.\n"
    "\n"
    "  -h, --help     Shows this help.\n"
    "  -v, --version  Shows the version.\n"
    "\n"
    "Exit status: 0 done, 1 a command carried out without a command processor failed,\n"
    "2 the arguments were refused (nothing was done).\n";

bool is(const char* argument, const char* shortName, const char* longName)
{
    return std::strcmp(argument, shortName) == 0 || std::strcmp(argument, longName) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace splashroll;
    // Asked before the request is read, so a series named "--help.000"
    // cannot be rotated; a fair price for the usual options.
    if (argc > 1 && is(argv[1], "-h", "--help")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc > 1 && is(argv[1], "-v", "--version")) {
        std::fputs("splashroll " VANTOR_VERSION "\n", stdout);
        return 0;
    }
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
