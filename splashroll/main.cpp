// SPDX-License-Identifier: GPL-3.0-or-later
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

#include "common/core/SystemCalls.h"

#include <cstdio>
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

bool is(const std::string& argument, const char* shortName, const char* longName)
{
    return argument == shortName || argument == longName;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace splashroll;
    namespace sys = common::sys;
    // UTF-8, from the UTF-16 command line on Windows: a stem beyond the
    // ANSI code page keeps its letters.
    const std::vector<std::string> arguments = sys::programArguments(argc, argv);
    // Asked before the request is read, so a series named "--help.000"
    // cannot be rotated; a fair price for the usual options.
    if (!arguments.empty() && is(arguments[0], "-h", "--help")) {
        sys::writeText(stdout, kUsage);
        return 0;
    }
    if (!arguments.empty() && is(arguments[0], "-v", "--version")) {
        sys::writeText(stdout, "splashroll " VANTOR_VERSION "\n");
        return 0;
    }
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::current_path(ec);

    Rotation rotation;
    try {
        const Request request = parseRequest(arguments);
        rotation = planRotation(request, static_cast<std::uint32_t>(std::time(nullptr)));
        checkPictureIsThere(rotation, ec ? std::filesystem::path(".") : folder);
    } catch (const Refusal& refusal) {
        sys::writeText(
            stderr, "splashroll: " + std::string(refusal.what()) + " (usage: splashroll STEM HIGHEST-NUMBER)\n");
        return 2;
    }

    clearConsole(stdout);
    if (const auto program
        = findCommandProcessor(sys::environmentVariable("COMSPEC"), sys::environmentVariable("PATH"))) {
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
        sys::writeText(stderr, "splashroll: \"" + f.command + "\" failed: " + f.reason + "\n");
    return failed.empty() ? 0 : 1;
}
