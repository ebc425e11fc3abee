// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ordnix/core/LoadoutField.h"

#include <cstddef>
#include <vector>

namespace ordnix {

// What one load, edit, undo or redo of a loadout document changed, for the
// views to show it again.
struct LoadoutChange {
    enum class Source { Load, Edit, Undo, Redo };

    Source source = Source::Edit;
    // The stretch of positions the step covers; a load covers the image.
    std::size_t first = 0;
    std::size_t last = 0;
    // Records with a byte whose loaded or current value changed, in order,
    // and the named fields among those bytes (a load names none: all is new).
    std::vector<std::size_t> records;
    std::vector<LoadoutField> fields;
    // A block was inserted or deleted: records moved and may be named anew.
    bool recordsMoved = false;
    // The record the step shows (before an undone step, after one done),
    // and the mission kind whose options it stored; -1 for none.
    int record = -1;
    int mission = -1;
};

} // namespace ordnix
