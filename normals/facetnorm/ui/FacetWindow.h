// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>

class QLineEdit;
class QRadioButton;

namespace facetnorm {

// "Vector calculation for Vantor 3dz files v.1.2": the normal of one
// triangle typed by hand, scaled to 16 384, on the chosen side of its plane.
class FacetWindow : public QWidget {
    Q_OBJECT

public:
    explicit FacetWindow(QWidget* parent = nullptr);

private:
    void Command1_Click();
    void Command2_Click();

    std::array<QLineEdit*, 9> input_;  // row-wise: x1 y1 z1, x2 y2 z2, x3 y3 z3
    std::array<QLineEdit*, 3> result_; // x4 y4 z4
    QRadioButton* LS;
    QRadioButton* RS;
};

} // namespace facetnorm
