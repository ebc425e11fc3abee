// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusLine.h"

#include <QFontMetrics>

namespace menuwright {

StatusLine::StatusLine(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("StatusLine"));
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFixedHeight(3 * fontMetrics().lineSpacing() + 2);
    // A long path must not widen the column either.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

} // namespace menuwright
