// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace common {

// Rounds to the nearest whole number, a half to the even neighbour (2.5 to
// 2, 3.5 to 4), whatever the floating-point rounding mode. Infinities and
// NaN come back as they are.
double roundHalfEven(double value);

} // namespace common
