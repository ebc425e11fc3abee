// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include <array>
#include <vector>

class QGridLayout;
class QLineEdit;

namespace common {

// The frame "Frame2" of a button table: one row per button with its caption
// box (Text2_i) and its four coordinate boxes L, T, W, H (Text3_i to
// Text6_i) under column headings, and room for a widget before each caption.
class ButtonRowsFrame : public QGroupBox {
    Q_OBJECT

public:
    ButtonRowsFrame(const QString& title, int rows, int captionWidth, QWidget* parent);

    QLineEdit* caption(int row) const { return captions_.at(static_cast<std::size_t>(row)); }
    const std::array<QLineEdit*, 4>& coordinates(int row) const { return coordinates_.at(static_cast<std::size_t>(row)); }
    // Puts `lead` (a label naming the row, say) before the row's caption box.
    void setRowLead(int row, QWidget* lead);

private:
    QGridLayout* grid_;
    std::vector<QLineEdit*> captions_;
    std::vector<std::array<QLineEdit*, 4>> coordinates_;
};

} // namespace common
