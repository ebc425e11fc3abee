#pragma once

#include <QPixmap>
#include <QWidget>

namespace menuwright {

// A fixed-size area that shows a picture at 1:1 from its top-left corner
// and holds the button rectangles; whatever lies outside is clipped.
class PictureArea : public QWidget {
    Q_OBJECT

public:
    PictureArea(const QString& name, QSize size, QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace menuwright
