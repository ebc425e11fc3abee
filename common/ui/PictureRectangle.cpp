// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureRectangle.h"

#include "CaptionTag.h"

#include <QMouseEvent>
#include <QPainter>

namespace common {

PictureRectangle::PictureRectangle(int index, QWidget* parent) : QLabel(parent), index_(index)
{
    setObjectName(QStringLiteral("Label2_%1").arg(index));
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    setFont(small);
}

void PictureRectangle::setSelected(bool selected)
{
    if (selected_ == selected)
        return;
    selected_ = selected;
    update();
}

void PictureRectangle::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor edge = selected_ ? QColor(255, 64, 64) : QColor(255, 220, 0);
    p.setPen(QPen(edge, selected_ ? 2 : 1));
    p.setBrush(Qt::NoBrush);
    const int inset = selected_ ? 1 : 0;
    p.drawRect(rect().adjusted(inset, inset, -1, -1));
    drawCaptionTag(p, *this, text());
}

void PictureRectangle::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        leftDown_ = true;
        pressedAt_ = geometry();
    }
    emit pressed(index_, event->position(), event->button(), event->buttons());
    event->accept();
}

void PictureRectangle::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(index_, event->position(), event->buttons());
    event->accept();
}

void PictureRectangle::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    emit released(index_, event->position(), event->button());
    if (event->button() != Qt::LeftButton || !leftDown_)
        return;
    leftDown_ = false;
    if (rect().contains(event->position().toPoint()) || geometry() != pressedAt_)
        emit clicked(index_);
}

} // namespace common
