#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

namespace bayward {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), band_(new QRubberBand(QRubberBand::Rectangle, this))
{
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(640, 480);
    setCursor(Qt::CrossCursor);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(40, 44, 52));
    p.drawPixmap(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        bandStart_ = event->position().toPoint();
        band_->setGeometry(QRect(bandStart_, QSize()));
        band_->show();
    }
    emit pressed(event->position(), event->button());
    event->accept();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    if (band_->isVisible())
        band_->setGeometry(QRect(bandStart_, event->position().toPoint()).normalized().intersected(rect()));
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        band_->hide();
    emit released(event->position(), event->button());
    event->accept();
}

} // namespace bayward
