// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QPointF>
#include <QWidget>

#include <vector>

class QRubberBand;

namespace common {

class PictureRectangle;

// A screen picture shown at 1:1 from the top-left corner of a fixed-size
// area, with labelled button rectangles over it (named Label2_0, Label2_1,
// ...) that are clicked and dragged. It reports the mouse on the bare picture
// and on each rectangle in pixels; whatever lies outside the area is clipped.
class PictureBoard : public QWidget {
    Q_OBJECT

public:
    PictureBoard(QSize size, int rectangles, QWidget* parent);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    // Shown in the empty area until a picture is set.
    void setHint(const QString& hint);
    // Shows the rectangle being dragged out with the left button on the bare
    // picture.
    void setShowsDragOut(bool on);

    int rectangleCount() const { return static_cast<int>(rectangles_.size()); }
    PictureRectangle* rectangle(int i) const { return rectangles_.at(static_cast<std::size_t>(i)); }

signals:
    void picturePressed(QPointF position, Qt::MouseButton button);
    void pictureReleased(QPointF position, Qt::MouseButton button);
    void rectanglePressed(int index, QPointF position, Qt::MouseButton button, Qt::MouseButtons buttons);
    void rectangleMoved(int index, QPointF position, Qt::MouseButtons buttons);
    void rectangleReleased(int index, QPointF position, Qt::MouseButton button);
    void rectangleClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    QString hint_;
    std::vector<PictureRectangle*> rectangles_;
    QRubberBand* band_ = nullptr;
    QPoint bandStart_;
};

} // namespace common
