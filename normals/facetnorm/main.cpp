// SPDX-License-Identifier: GPL-3.0-or-later
// facetnorm: the normal of one triangular facet of a 3dz model.
#include "facetnorm/ui/ProgramDescription.h"

#include "common/ui/WindowProgram.h"

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, facetnorm::programDescription());
}
