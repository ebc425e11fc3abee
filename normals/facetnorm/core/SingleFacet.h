// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlaneSide.h"

#include <array>

namespace facetnorm {

// Components in the order first, second, third, shown as y, z, x.
using Point = std::array<float, 3>;

// The normal of one triangular facet in single precision, scaled to length
// 16 384 and pointing to the chosen side of its plane. Nodes on one line
// give zeros. Throws FacetError on an overflow.
Point singleFacetNormal(const Point& p1, const Point& p2, const Point& p3, PlaneSide side);

} // namespace facetnorm
