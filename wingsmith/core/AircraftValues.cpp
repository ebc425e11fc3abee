// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftValues.h"

#include <algorithm>

namespace wingsmith {

int usableGroupCount(int storedCount)
{
    return std::clamp(storedCount, 0, 6);
}

} // namespace wingsmith
