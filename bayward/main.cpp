// SPDX-License-Identifier: GPL-3.0-or-later
// Bayward: places the five buttons of a hangar screen on a picture of it
// and writes the side's hangar menu file.
#include "bayward/ui/ProgramDescription.h"

#include "common/ui/WindowProgram.h"

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, bayward::programDescription());
}
