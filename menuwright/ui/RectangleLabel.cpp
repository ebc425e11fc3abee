#include "RectangleLabel.h"

#include "common/ui/CaptionTag.h"

#include <QMouseEvent>
#include <QPainter>


namespace menuwright {

RectangleLabel::RectangleLabel(int index, QWidget* parent) : QLabel(parent), index_(index)
{
    setObjectName(QStringLiteral("Label2_%1").arg(index));
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    setFont(small);
    setCursor(Qt::SizeAllCursor);
    setToolTip(tr("Left button: move. Right button: size."));
}

void RectangleLabel::setSelected(bool selected)
{
    if (selected_ == selected)
        return;
    selected_ = selected;
    update();
}

void RectangleLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor edge = selected_ ? QColor(255, 64, 64) : QColor(255, 220, 0);
    p.setPen(QPen(edge, selected_ ? 2 : 1));
    p.setBrush(Qt::NoBrush);
    const int inset = selected_ ? 1 : 0;
    p.drawRect(rect().adjusted(inset, inset, -1, -1));

    common::drawCaptionTag(p, *this, text());
}

void RectangleLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftDown_ = true;
    emit pressed(index_, event->position() * kTwipsPerPixel, event->buttons());
    event->accept();
}

void RectangleLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(index_, event->position() * kTwipsPerPixel, event->buttons());
    event->accept();
}

void RectangleLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // The rectangle follows the pointer while it is dragged, so a release
    // of the left button always ends a click on it.
    if (event->button() == Qt::LeftButton && leftDown_) {
        leftDown_ = false;
        emit clicked(index_);
    }
    event->accept();
}

} // namespace menuwright
