// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Model.h"
#include "Projection.h"
#include "ScenePolygon.h"

#include <vector>

namespace vector {

// The polygons of elements 0 ... E-1 that have a facet, projected and
// ordered far to near, so that drawing them in order hides what lies
// behind (a painter's algorithm is enough for 255 elements).
std::vector<ScenePolygon> buildScene(const Model& model, const Projection& projection);

// The element of the nearest polygon under the pixel (x, y); -1 for none.
int pickElement(const std::vector<ScenePolygon>& scene, double x, double y);

} // namespace vector
