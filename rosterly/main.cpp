// SPDX-License-Identifier: GPL-3.0-or-later
// rosterly [FILE]: changes the aircraft of a squadron; FILE is loaded at
// start-up as if chosen with "Load Sqd".
#include "rosterly/ui/ProgramDescription.h"

#include "common/ui/WindowProgram.h"

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, rosterly::programDescription());
}
