// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ui/ButtonRowsDocument.h"

#include <array>
#include <utility>

class QLineEdit;
class QObject;

namespace common {

// The five boxes of one button row (caption, L, T, W, H) as a table window
// shows them: each change of a box goes to the row in the document, and the
// document's row is shown back in them.
class RowBoxes {
public:
    RowBoxes(QLineEdit* caption, QLineEdit* l, QLineEdit* t, QLineEdit* w, QLineEdit* h);

    // Every change of a box is an edit of the row, and what is typed into it
    // until it is left is one step; `context` ends the connections.
    void sendEditsTo(ButtonRowsDocument& document, int row, QObject* context) const;
    // A box that already reads so keeps its cursor.
    void show(const ButtonRowsDocument& document, int row) const;

private:
    std::array<std::pair<QLineEdit*, ButtonRowsDocument::Field>, 5> boxes_;
};

} // namespace common
