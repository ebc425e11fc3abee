// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>

namespace splashroll {

// Clears the console window and puts the cursor at the top left, when
// `out` is a console; output going to a file or a pipe is left alone.
void clearConsole(std::FILE* out);

} // namespace splashroll
