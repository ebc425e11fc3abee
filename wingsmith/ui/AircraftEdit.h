// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wingsmith/core/AircraftValues.h"

#include <QUndoCommand>

#include <functional>

namespace wingsmith {

// One undoable edit: the values of one aircraft before and after it. Redo
// makes the edit, also when the step is pushed; undo and redo only put
// values into the working copy and never write a file.
class AircraftEdit : public QUndoCommand {
public:
    using Apply = std::function<void(int position, const AircraftValues& values)>;

    // `control` > 0 lets the steps of one text field, typed keystroke by
    // keystroke, merge into one; 0 keeps the step on its own.
    AircraftEdit(int position, const AircraftValues& before, const AircraftValues& after, int control, Apply apply);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    // True when both hold the same bits, so that a NaN stored again is no change.
    static bool sameValues(const AircraftValues& a, const AircraftValues& b);

private:
    int position_;
    AircraftValues before_;
    AircraftValues after_;
    int control_;
    Apply apply_;
};

} // namespace wingsmith
