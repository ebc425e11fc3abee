// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace wingsmith {

QPixmap aircraftPicture()
{
    QPixmap pixmap(120, 120);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath body;
    body.moveTo(60, 8);
    body.cubicTo(66, 14, 66, 40, 64, 60);
    body.lineTo(62, 98);
    body.lineTo(80, 104);
    body.lineTo(80, 110);
    body.lineTo(40, 110);
    body.lineTo(40, 104);
    body.lineTo(58, 98);
    body.lineTo(56, 60);
    body.cubicTo(54, 40, 54, 14, 60, 8);
    QPainterPath wings;
    wings.moveTo(57, 40);
    wings.lineTo(6, 52);
    wings.lineTo(6, 60);
    wings.lineTo(57, 56);
    wings.lineTo(63, 56);
    wings.lineTo(114, 60);
    wings.lineTo(114, 52);
    wings.lineTo(63, 40);
    p.setPen(QPen(QColor(60, 70, 85), 1.2));
    p.setBrush(QColor(170, 180, 190));
    p.drawPath(wings.united(body));

    // Front, pilot, middle, tail, right inner, right tip, left inner, left tip.
    const QPointF bubbles[8] = {{60, 16}, {60, 32}, {60, 56}, {60, 98}, {84, 50}, {106, 56}, {36, 50}, {14, 56}};
    p.setPen(QPen(QColor(200, 40, 40), 1.5));
    p.setBrush(QColor(230, 80, 60, 90));
    for (const auto& b : bubbles)
        p.drawEllipse(b, 6, 6);
    return pixmap;
}

} // namespace wingsmith
