// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Model.h"

#include <functional>

namespace vector {

// Recomputes the normal (columns 1-3) of elements 0 ... E-1 from the first
// three vertex slots, rounded halves to even; a degenerate facet keeps its
// normal as read. `progress` hears each element index as it is done.
// If any element's normal leaves the 16-bit range, NormalRangeError names
// it and no element is changed.
void calculateNormals(Model& model, const std::function<void(int)>& progress = {});

} // namespace vector
