#pragma once

#include <QLabel>

namespace menuwright {

// A label that works as a button: raised, highlighted under the pointer,
// and reporting a left click.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    ClickLabel(const QString& name, const QString& caption, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setLook(bool hot, bool down);

    bool down_ = false;
};

} // namespace menuwright
