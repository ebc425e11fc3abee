#pragma once

#include <QLabel>

namespace bayward {

// A label that reports a left click: the row captions of the button table
// and the placed rectangles on the picture.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    ClickableLabel(int index, QWidget* parent = nullptr);

    int index() const { return index_; }
    // Drawn as an outlined, see-through rectangle over the picture.
    void setRectangleLook(bool on);

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int index_;
    bool down_ = false;
    bool rectangle_ = false;
};

} // namespace bayward
