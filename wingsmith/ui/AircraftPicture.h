// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

namespace wingsmith {

// The 120 x 120 sketch beside the hit-bubble grid: an aircraft seen from
// above with the eight bubbles in their order.
QPixmap aircraftPicture();

} // namespace wingsmith
