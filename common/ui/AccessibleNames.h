// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace common {

// Gives every control of `window` that has no accessible name of its own the
// text of its label: the label whose buddy it is, the label of its form row,
// the label left of it (or else above it) in a grid, or the label before it
// in a row or column. A labelled box of several controls passes the name on
// to those inside it, arrows getting "up" and "down" after it. Call once the
// window is built.
void nameControlsByLabels(QWidget& window);

// Names the controls of every window of the program each time it is shown,
// so that dialogs and parts built later are named too. Needs a QApplication.
void nameControlsOfEveryWindow();

} // namespace common
