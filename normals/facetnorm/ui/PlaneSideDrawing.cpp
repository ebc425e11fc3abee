// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaneSideDrawing.h"

#include <QPainter>

namespace facetnorm {

PlaneSideDrawing::PlaneSideDrawing(QWidget* parent) : QWidget(parent)
{
    setObjectName("Picture1");
    setMinimumSize(sizeHint());
}

QSize PlaneSideDrawing::sizeHint() const
{
    return {90, 70};
}

void PlaneSideDrawing::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(4, 4, -4, -4);
    const double midY = r.center().y();
    const double axisX = r.left() + r.width() * 0.3;
    p.setPen(QPen(palette().color(QPalette::WindowText), 2));
    p.drawLine(QPointF(r.left(), midY), QPointF(r.right(), midY));
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.drawLine(QPointF(axisX, r.top()), QPointF(axisX, r.bottom()));
    const QFontMetrics fm(font());
    const double textX = axisX + 8;
    p.drawText(QPointF(textX, midY - 6), "RS");
    p.drawText(QPointF(textX, midY + 6 + fm.ascent()), "LS");
}

} // namespace facetnorm
