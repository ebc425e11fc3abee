// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>

class QWidget;

namespace common {

// Presses `keys` in `window` as the user would, after making it the active
// window so that its shortcuts answer; false if it could not be activated.
bool pressKeys(QWidget& window, const QKeySequence& keys);

} // namespace common
