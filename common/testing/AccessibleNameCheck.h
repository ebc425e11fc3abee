// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QWidget;

namespace common {

// What a screen reader would be told of a window's controls: one line per
// control that takes focus (or is a button) and has no name, and one per
// name that two controls of different labels share.
QStringList accessibleNameFaults(const QWidget& window);

} // namespace common
