// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include <array>
#include <optional>

class QButtonGroup;
class QRadioButton;

namespace menuwright {

// The frame `Frame4` with the three side options `Option1` (0 USA, 1
// Britain, 2 Axis) that both the rectangle locator and the hangar window
// carry; only their captions differ.
class SideOptions : public QGroupBox {
    Q_OBJECT

public:
    SideOptions(const std::array<const char*, 3>& captions, QWidget* parent);

    // No option chosen, then the first one (as each window starts).
    void reset();
    std::optional<int> selected() const;
    void select(int side);
    void clear(int side);

signals:
    // A side was switched on, by the user or the program.
    void chosen(int side);

private:
    void setAllUnchecked();

    QButtonGroup* group_;
    std::array<QRadioButton*, 3> options_{};
};

} // namespace menuwright
