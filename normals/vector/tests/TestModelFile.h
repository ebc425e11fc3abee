// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vector::testing {

// Lays out a 3dz file for tests: the tables where the game puts them and
// the polygon records after the offset table, unless an element's offset
// is forced. Filler bytes are distinct, so a read from the wrong place shows.
struct TestModelFile {
    int parts = 1;
    std::vector<std::array<std::int16_t, 4>> nodes;
    std::vector<std::array<std::int16_t, 6>> elements;
    std::vector<std::vector<std::uint8_t>> polygons; // one raw record per element
    std::vector<std::pair<int, std::int16_t>> forcedOffsets;
    std::size_t padTo = 0; // minimum file length

    int elementTable() const { return 14 + 8 * parts; }
    int nodeTable() const { return elementTable() + 14 * static_cast<int>(elements.size()) + 2; }
    int offsetTable() const { return nodeTable() + 8 * static_cast<int>(nodes.size()); }
    int polygonStart(int element) const;

    std::vector<std::uint8_t> bytes() const;
};

// Polygon records of each layout.
std::vector<std::uint8_t> type3(const std::vector<std::uint8_t>& nodes);
std::vector<std::uint8_t> type3Wide(std::uint8_t type, const std::vector<std::uint8_t>& nodes); // 4 ... 99
std::vector<std::uint8_t> typeLong(std::uint8_t type, const std::vector<std::uint8_t>& nodes);  // 101 ... 254

// A model of one triangle per element: element e uses nodes 3e, 3e+1, 3e+2.
TestModelFile triangles(const std::vector<std::array<std::array<std::int16_t, 3>, 3>>& facets);

// The bytes of a 3dz file with the stored normal of `element` turned
// round (its three components negated), as a faulty exporter leaves it.
std::vector<std::uint8_t> withFlippedNormal(std::vector<std::uint8_t> bytes, int element);

} // namespace vector::testing
