// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBoard.h"

#include "PictureRectangle.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

namespace common {

PictureBoard::PictureBoard(QSize size, int rectangles, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(size);
    for (int i = 0; i < rectangles; ++i) {
        auto* r = new PictureRectangle(i, this);
        rectangles_.push_back(r);
        connect(r, &PictureRectangle::pressed, this, &PictureBoard::rectanglePressed);
        connect(r, &PictureRectangle::moved, this, &PictureBoard::rectangleMoved);
        connect(r, &PictureRectangle::released, this, &PictureBoard::rectangleReleased);
        connect(r, &PictureRectangle::clicked, this, &PictureBoard::rectangleClicked);
    }
}

void PictureBoard::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void PictureBoard::setHint(const QString& hint)
{
    hint_ = hint;
    update();
}

void PictureBoard::setShowsDragOut(bool on)
{
    if (on && !band_) {
        band_ = new QRubberBand(QRubberBand::Rectangle, this);
        band_->hide();
    }
    setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
}

void PictureBoard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(40, 44, 52));
    if (picture_.isNull()) {
        p.setPen(QColor(150, 156, 168));
        p.drawText(rect(), Qt::AlignCenter, hint_);
        return;
    }
    p.drawPixmap(0, 0, picture_);
}

void PictureBoard::mousePressEvent(QMouseEvent* event)
{
    if (band_ && event->button() == Qt::LeftButton) {
        bandStart_ = event->position().toPoint();
        band_->setGeometry(QRect(bandStart_, QSize()));
        band_->show();
    }
    emit picturePressed(event->position(), event->button());
    event->accept();
}

void PictureBoard::mouseMoveEvent(QMouseEvent* event)
{
    if (band_ && band_->isVisible())
        band_->setGeometry(QRect(bandStart_, event->position().toPoint()).normalized().intersected(rect()));
    event->accept();
}

void PictureBoard::mouseReleaseEvent(QMouseEvent* event)
{
    if (band_ && event->button() == Qt::LeftButton)
        band_->hide();
    emit pictureReleased(event->position(), event->button());
    event->accept();
}

} // namespace common
