#include "RectangleLabel.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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

    if (text().isEmpty())
        return;
    // The caption is a small tag in the top-left corner, so that it does not
    // hide the button drawn on the picture underneath.
    const QFontMetrics fm(font());
    const QString caption = fm.elidedText(text(), Qt::ElideRight, std::max(0, width() - 4));
    if (caption.isEmpty())
        return;
    const QRect tag(1, 1, fm.horizontalAdvance(caption) + 6, fm.height() + 2);
    p.fillRect(tag, QColor(0, 0, 0, 170));
    p.setPen(Qt::white);
    p.drawText(tag, Qt::AlignCenter, caption);
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
