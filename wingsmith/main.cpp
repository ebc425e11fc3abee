// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/ui/ProgramDescription.h"

#include "common/ui/WindowProgram.h"

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, wingsmith::programDescription());
}
