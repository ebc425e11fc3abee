// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace vector {

// Components in the order the model stores them: y, z, x.
using Point16 = std::array<std::int16_t, 3>;

// The normal of the facet through three nodes, worked out in the signed
// 16-bit arithmetic of the model's own numbers and scaled to 16 384.
struct FacetNormal {
    static constexpr double kScale = 16384.0;

    // Construction throws NormalRangeError when a difference or a product
    // leaves the 16-bit range.
    FacetNormal(const Point16& p1, const Point16& p2, const Point16& p3);

    Point16 cross{};     // (P2 - P1) x (P3 - P1)
    double length = 0.0; // 0 for a degenerate facet
    // -(cross * 16384 / length), i.e. (P3 - P1) x (P2 - P1) at length
    // 16384; all zero for a degenerate facet.
    std::array<double, 3> scaled{};
};

} // namespace vector
