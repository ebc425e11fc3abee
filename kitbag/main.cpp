// SPDX-License-Identifier: GPL-3.0-or-later
// kitbag: installs, removes and checks field-level mods (.vmod files) in a
// Vantor installation, and makes mods from the changes since a backup.
#include "kitbag/ui/ProgramDescription.h"

#include "common/ui/WindowProgram.h"

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, kitbag::programDescription());
}
