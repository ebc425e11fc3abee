// SPDX-License-Identifier: GPL-3.0-or-later
// probewell: writes Probewell.txt, a report of the Vantor installation in
// the current folder and of its Nimbar add-on folder.
#include "probewell/ui/ProgramDescription.h"

#include "common/ui/WindowProgram.h"

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, probewell::programDescription());
}
