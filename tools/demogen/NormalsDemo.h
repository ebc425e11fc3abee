// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace demogen {

// 3D models (.3dz) for the normals calculators. Coordinates are small
// enough that every normal can be worked out in 16-bit arithmetic.

// box.3dz: a cube of edge 100 around the origin, 8 nodes, one element per
// face with its outward normal already stored (X, Y or Z = +-16384).
// Faces use polygon types 4, 99, 120 and 3.
std::vector<std::uint8_t> buildDemoBox();

// sparrow.3dz: a small aircraft of 3 parts whose normals are still zero;
// polygon types 3, 8, 130 and 255 (a nose light without vertices).
std::vector<std::uint8_t> buildDemoSparrow();

// dome.3dz: a hemisphere of 49 nodes and 80 triangles (types 3 and 201)
// whose stored normals all point straight up, as if never computed.
std::vector<std::uint8_t> buildDemoDome();

// Writes box.3dz, sparrow.3dz and dome.3dz into the game folder.
void writeNormalsDemo(const std::filesystem::path& gameDir);

} // namespace demogen
