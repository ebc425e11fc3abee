// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace common {

// Ctrl+Z and Ctrl+Shift+Z (Ctrl+Y) in a text box of `window` undo the
// window's own steps once what the box holds is committed (Enter, or focus
// gone): otherwise the box would undo its text alone and show a value the
// document no longer holds, or hold one it no longer shows. While the user
// is still typing, the keys undo the typing as usual. Boxes made later are
// covered too.
void routeUndoToWindow(QWidget* window);

} // namespace common
