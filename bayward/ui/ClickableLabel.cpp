#include "ClickableLabel.h"

#include "common/ui/CaptionTag.h"

#include <QMouseEvent>
#include <QPainter>

namespace bayward {

ClickableLabel::ClickableLabel(int index, QWidget* parent) : QLabel(parent), index_(index)
{
    setObjectName(QStringLiteral("Label2_%1").arg(index));
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::setRectangleLook(bool on)
{
    rectangle_ = on;
    setAttribute(Qt::WA_TranslucentBackground, on);
    setToolTip(on ? tr("Click to hide this rectangle") : tr("Click to place this button on the picture"));
    update();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        down_ = true;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && down_) {
        down_ = false;
        if (rect().contains(event->position().toPoint()))
            emit clicked(index_);
    }
    event->accept();
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    if (!rectangle_) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setPen(QPen(QColor(255, 220, 0), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    common::drawCaptionTag(p, *this, text());
}

} // namespace bayward
