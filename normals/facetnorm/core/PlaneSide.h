// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace facetnorm {

// Which side of the facet's plane the normal points to. Right gives the
// direction the game's own normals have.
enum class PlaneSide { Left, Right };

} // namespace facetnorm
