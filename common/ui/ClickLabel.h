// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace common {

// A label that reports a left click: pressed and released on it. With the
// button look it is drawn as a raised panel that lights up under the
// pointer, in the colours of the palette in use.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    ClickLabel(const QString& name, const QString& caption, QWidget* parent);

    void setButtonLook(bool on);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void setLook(bool hot, bool down);

    bool buttonLook_ = false;
    bool down_ = false;
    bool hot_ = false;
    bool restyling_ = false;
};

} // namespace common
