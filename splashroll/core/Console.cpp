// SPDX-License-Identifier: GPL-3.0-or-later
#include "Console.h"

#include "common/core/SystemCalls.h"

namespace splashroll {

void clearConsole(std::FILE* out)
{
    common::sys::clearTerminal(out);
}

} // namespace splashroll
