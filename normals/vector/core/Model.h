// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vector {

// The tables are fixed in size: a model never has more than 255 nodes or
// elements, because its counts are single bytes.
inline constexpr int kTableRows = 256;
inline constexpr int kVertexSlots = 15;

// Element columns 1-3 are the normal (Y, Z, X); 4-6 are carried unchanged.
using ElementRecord = std::array<std::int16_t, 6>;
// Node columns 1-3 are the coordinates (y, z, x); column 4 is kept unused.
using NodeRecord = std::array<std::int16_t, 4>;
// Node indices of a polygon's vertices; only the first three are used.
using VertexSlots = std::array<std::uint8_t, kVertexSlots>;

// A 3dz model as far as the normals calculator reads it. Rows past the
// counts keep whatever an earlier model left in them.
struct Model {
    std::array<ElementRecord, kTableRows> elements{};
    std::array<NodeRecord, kTableRows> nodes{};
    std::array<std::int16_t, kTableRows> elementOffsets{};
    std::array<VertexSlots, kTableRows> vertices{};
    // For drawing the model: each polygon's type byte and vertex count (0
    // for types without vertices; types 0 and 100 keep the earlier count,
    // as they keep the earlier slots).
    std::array<std::uint8_t, kTableRows> polygonTypes{};
    std::array<std::uint8_t, kTableRows> vertexCounts{};
    std::uint8_t parts = 0;
    std::uint8_t nodeCount = 0;
    std::uint8_t elementCount = 0;
    std::string fileName; // without folder
};

} // namespace vector
