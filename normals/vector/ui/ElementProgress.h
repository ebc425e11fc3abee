// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QProgressBar;
class QString;

namespace vector {

// The progress bars count elements by index (0 ... E-1). Their range is
// set to the model's own count, so that the bar is full when the last
// element is done, and their text says how far it got ("19 of 19 lines").

// Empty bar before a run over `count` elements.
void startElementProgress(QProgressBar* bar, int count, const QString& unit);
// Element `index` is done.
void showElementProgress(QProgressBar* bar, int index, int count, const QString& unit);

} // namespace vector
