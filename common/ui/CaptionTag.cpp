// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionTag.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace common {

void drawCaptionTag(QPainter& painter, const QWidget& rectangle, const QString& caption)
{
    if (caption.isEmpty())
        return;
    const QFontMetrics fm(rectangle.font());
    const QString shown = fm.elidedText(caption, Qt::ElideRight, std::max(0, rectangle.width() - 4));
    if (shown.isEmpty())
        return;
    const QRect tag(1, 1, fm.horizontalAdvance(shown) + 6, fm.height() + 2);
    painter.fillRect(tag, QColor(0, 0, 0, 170));
    painter.setPen(Qt::white);
    painter.drawText(tag, Qt::AlignCenter, shown);
}

} // namespace common
