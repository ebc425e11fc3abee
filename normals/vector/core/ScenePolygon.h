// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Vector3.h"

#include <vector>

namespace vector {

// One polygon of the preview, projected: corners and normal line in
// pixels (z the nearness to the viewer).
struct ScenePolygon {
    int element = 0;
    std::vector<Vector3> corners;
    double depth = 0.0; // mean nearness of the corners
    // Light from behind the viewer: the cosine between the normal held and
    // the direction to the viewer; 0 or less is an unlit, dark face.
    double shade = 0.0;
    bool disagrees = false;
    Vector3 normalFrom; // the polygon's centre
    Vector3 normalTo;   // the tip of its normal, drawn as a short line
};

} // namespace vector
