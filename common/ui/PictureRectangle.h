// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPointF>

namespace common {

// A button rectangle laid over a screen picture: see-through, outlined and
// captioned with a small tag. It reports the mouse in pixels within itself,
// moves without a button as well, and a click: a left press and release on
// it (a rectangle that follows the pointer while dragged counts as under it).
class PictureRectangle : public QLabel {
    Q_OBJECT

public:
    PictureRectangle(int index, QWidget* parent);

    int index() const { return index_; }
    // Drawn with a thicker red edge.
    void setSelected(bool selected);

signals:
    void pressed(int index, QPointF position, Qt::MouseButton button, Qt::MouseButtons buttons);
    void moved(int index, QPointF position, Qt::MouseButtons buttons);
    void clicked(int index);
    // Any button let go over it: the end of a drag or a resize.
    void released(int index, QPointF position, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    bool selected_ = false;
    bool leftDown_ = false;
    QRect pressedAt_;
};

} // namespace common
