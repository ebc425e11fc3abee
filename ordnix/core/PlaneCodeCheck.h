// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ordnix/core/LoadoutImage.h"
#include "ordnix/core/NameList.h"
#include "ordnix/core/PlaneCodeWarning.h"

#include <vector>

namespace ordnix {

// The records of `image` whose aircraft code is beyond the plane list
// (Planes.txt), in record order. Nothing is judged against an empty list:
// a missing Planes.txt is reported where it is read.
std::vector<PlaneCodeWarning> planeCodesOutsideList(const LoadoutImage& image, const NameList& planes);

} // namespace ordnix
