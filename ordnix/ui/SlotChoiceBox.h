// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace ordnix {

// A slot's weapon, rack or location list: as wide as 14 characters and an
// icon whatever it holds, the size QComboBox gives under
// AdjustToMinimumContentsLengthWithIcon. Setting that policy builds each
// box's popup at once (fifteen popups: 0.8 MiB and 4% of Ordnix's start),
// so the box works the size out itself and the popup waits until opened.
class SlotChoiceBox : public QComboBox {
public:
    static constexpr int kContentsLength = 14;

    explicit SlotChoiceBox(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

} // namespace ordnix
