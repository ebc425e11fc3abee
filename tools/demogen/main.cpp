// SPDX-License-Identifier: GPL-3.0-or-later
// vantor-demo DIR: writes a synthetic Vantor installation for trying the
// tools out. None of it comes from the real game.
#include "DemoInstallation.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s GAME-FOLDER\n", argv[0]);
        return 2;
    }
    try {
        demogen::writeDemoInstallation(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
