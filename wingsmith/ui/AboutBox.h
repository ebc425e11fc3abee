// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace wingsmith {

// The about box of the "Info" menu.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace wingsmith
