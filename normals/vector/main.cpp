// SPDX-License-Identifier: GPL-3.0-or-later
// vector [MODEL.3dz]: computes the normals of a 3dz model's polygons.
#include "vector/ui/ProgramDescription.h"

#include "common/ui/WindowProgram.h"

int main(int argc, char** argv)
{
    return common::runWindowProgram(argc, argv, vector::programDescription());
}
