// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Model.h"
#include "Vector3.h"

#include <optional>
#include <vector>

namespace vector {

// The model as the preview sees it. The file stores its axes in the order
// y, z, x with y the game's up axis; the preview's space has x to the
// right, y up and z towards the viewer, which keeps the model's handedness
// (the order is only rotated).

Vector3 displayPoint(const NodeRecord& node);
// Columns 1-3 of an element record (Y, Z, X) as a direction.
Vector3 displayNormal(const ElementRecord& element);

// The nodes of element `e`'s polygon in the preview's space; empty when it
// has fewer than three vertices or names a node past the model's nodes.
std::vector<Vector3> polygonCorners(const Model& model, int e);

// The unit direction the normal of element `e` should have: that of
// (P3 - P1) x (P2 - P1) over its first three nodes, as "Calculate normals"
// works it out. None for a polygon without a facet or a degenerate one.
std::optional<Vector3> facetDirection(const Model& model, int e);

// More than this many degrees between the normal held and the facet's
// direction is a normal that points another way.
inline constexpr double kDisagreementDegrees = 5.0;

// Whether element `e`'s normal (as held now: read or calculated) points
// another way than its facet; a zero normal points no way and disagrees.
// None when the element has no facet to check against.
std::optional<bool> normalDisagrees(const Model& model, int e);

// The elements whose normal disagrees, ascending, and how many could be
// checked at all.
std::vector<int> disagreeingElements(const Model& model);
int checkableElementCount(const Model& model);

} // namespace vector
