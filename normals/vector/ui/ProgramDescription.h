// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ui/WindowProgramDescription.h"

namespace vector {

// vector's name, file arguments and first window, for its main() and for
// a launcher that wraps it.
common::WindowProgramDescription programDescription();

} // namespace vector
