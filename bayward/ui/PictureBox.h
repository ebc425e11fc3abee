#pragma once

#include <QPixmap>
#include <QPointF>
#include <QWidget>

class QRubberBand;

namespace bayward {

// The hangar picture at 1:1 in a fixed 640 x 480 area. It reports mouse
// presses and releases in picture pixels and shows the rectangle being
// dragged out.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

signals:
    void pressed(QPointF position, Qt::MouseButton button);
    void released(QPointF position, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    QRubberBand* band_;
    QPoint bandStart_;
};

} // namespace bayward
