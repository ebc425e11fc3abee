// SPDX-License-Identifier: GPL-3.0-or-later
// sortiekit: chooses the airfields of the two Allied and two Luftwaffe
// bases; run it in the game folder.
#include "sortiekit/ui/ProgramDescription.h"

#include "common/ui/WindowProgram.h"

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, sortiekit::programDescription());
}
