// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlotChoiceBox.h"

#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>

namespace ordnix {

SlotChoiceBox::SlotChoiceBox(QWidget* parent)
    : QComboBox(parent)
{
    setMinimumContentsLength(kContentsLength);
}

// The size Qt gives a box of that policy: room for the characters and an
// icon, a line of text high, and the style's frame and arrow around it.
QSize SlotChoiceBox::sizeHint() const
{
    const QFontMetrics& metrics = fontMetrics();
    const QSize icon = iconSize();
    QSize contents(minimumContentsLength() * metrics.horizontalAdvance(QLatin1Char('X')) + icon.width() + 4,
        std::max(static_cast<int>(std::ceil(QFontMetricsF(metrics).height())), 14) + 2);
    contents.setHeight(std::max(contents.height(), icon.height() + 2));
    if (!placeholderText().isEmpty())
        contents.setWidth(std::max(contents.width(), metrics.boundingRect(placeholderText()).width()));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this);
}

QSize SlotChoiceBox::minimumSizeHint() const
{
    return sizeHint();
}

} // namespace ordnix
