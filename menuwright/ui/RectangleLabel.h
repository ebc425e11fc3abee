#pragma once

#include <QLabel>
#include <QPointF>

namespace menuwright {

// A button rectangle laid over a screen picture: transparent, outlined and
// captioned. It reports the mouse in twips within itself (15 twips to the
// pixel), also when no button is held, and a left click.
class RectangleLabel : public QLabel {
    Q_OBJECT

public:
    explicit RectangleLabel(int index, QWidget* parent = nullptr);

    int index() const { return index_; }
    void setSelected(bool selected);

    static constexpr double kTwipsPerPixel = 15.0;

signals:
    void pressed(int index, QPointF twips, Qt::MouseButtons buttons);
    void moved(int index, QPointF twips, Qt::MouseButtons buttons);
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    bool selected_ = false;
    bool leftDown_ = false;
};

} // namespace menuwright
