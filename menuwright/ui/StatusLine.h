// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace menuwright {

// The line under a window's commands that says what was last written or
// loaded. It keeps the height of three lines whatever it says, so that a
// long message never shifts the controls around it under the pointer.
class StatusLine : public QLabel {
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent);
};

} // namespace menuwright
