// SPDX-License-Identifier: GPL-3.0-or-later
// ordnix [FILE]: the loadout editor, working on the game folder it is
// started in. With FILE it opens that file instead of asking for one.
#include "ordnix/ui/ProgramDescription.h"

#include "common/ui/WindowProgram.h"

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, ordnix::programDescription());
}
