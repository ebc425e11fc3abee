// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ui/StandardActions.h"

class QBoxLayout;
class QUndoStack;
class QWidget;

namespace common {

// The window's standard commands: `others` (save, open, quit) and Undo and
// Redo over `stack`, named actionUndo and actionRedo, with a button for each
// put into `row`.
StandardActions addUndoCommands(
    QUndoStack* stack, QWidget* window, QBoxLayout* row, StandardActions::Commands others = {});

} // namespace common
