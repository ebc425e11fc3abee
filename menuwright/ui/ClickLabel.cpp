#include "ClickLabel.h"

#include <QMouseEvent>

namespace menuwright {

ClickLabel::ClickLabel(const QString& name, const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    setMargin(4);
    setLook(false, false);
}

void ClickLabel::setLook(bool hot, bool down)
{
    setFrameStyle(QFrame::Panel | (down ? QFrame::Sunken : QFrame::Raised));
    setLineWidth(1);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, hot ? QColor(222, 232, 248) : QColor(236, 236, 236));
    setPalette(pal);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        down_ = true;
        setLook(true, true);
    }
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !down_)
        return;
    down_ = false;
    const bool inside = rect().contains(event->position().toPoint());
    setLook(inside, false);
    if (inside)
        emit clicked();
}

void ClickLabel::enterEvent(QEnterEvent*)
{
    setLook(true, down_);
}

void ClickLabel::leaveEvent(QEvent*)
{
    setLook(false, false);
}

} // namespace menuwright
