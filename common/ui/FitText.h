// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QStyle>

namespace common {

// Makes a text field at least wide enough to show all of `longest` in its
// own font: a result cut at the left would lose its sign.
inline void fitTextWidth(QLineEdit* edit, const QString& longest)
{
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const QMargins margins = edit->textMargins();
    // QLineEdit keeps 2 more pixels on each side of its text; 2 spare for the cursor.
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(longest) + 2 * frame + 4 + margins.left()
        + margins.right() + 2);
}

} // namespace common
