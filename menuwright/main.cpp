// SPDX-License-Identifier: GPL-3.0-or-later
// Menuwright: places the buttons of the game's selection and hangar screens
// on pictures of them and writes the menu files.
#include "menuwright/ui/ProgramDescription.h"

#include "common/ui/WindowProgram.h"

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, menuwright::programDescription());
}
