#include "PictureArea.h"

#include <QPainter>

namespace menuwright {

PictureArea::PictureArea(const QString& name, QSize size, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setFixedSize(size);
}

void PictureArea::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void PictureArea::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(40, 44, 52));
    if (picture_.isNull()) {
        p.setPen(QColor(150, 156, 168));
        p.drawText(rect(), Qt::AlignCenter, tr("Choose a picture in the file list"));
        return;
    }
    p.drawPixmap(0, 0, picture_);
}

} // namespace menuwright
