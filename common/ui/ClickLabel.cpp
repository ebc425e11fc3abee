// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickLabel.h"

#include <QApplication>
#include <QMouseEvent>

namespace common {

namespace {

QColor blend(const QColor& a, const QColor& b, double share)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - share) + b.redF() * share),
        static_cast<float>(a.greenF() * (1 - share) + b.greenF() * share),
        static_cast<float>(a.blueF() * (1 - share) + b.blueF() * share));
}

} // namespace

ClickLabel::ClickLabel(const QString& name, const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::setButtonLook(bool on)
{
    buttonLook_ = on;
    setAlignment(on ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    setAutoFillBackground(on);
    setMargin(on ? 4 : 0);
    setLook(false, false);
}

void ClickLabel::setLook(bool hot, bool down)
{
    hot_ = hot;
    if (!buttonLook_)
        return;
    setFrameStyle(QFrame::Panel | (down ? QFrame::Sunken : QFrame::Raised));
    setLineWidth(1);
    // Taken from the application's palette each time, so that a dark
    // palette gives dark panels with light text.
    const QPalette base = QApplication::palette(this);
    QPalette pal = palette();
    const QColor button = base.color(QPalette::Button);
    pal.setColor(QPalette::Window, hot ? blend(button, base.color(QPalette::Highlight), 0.25) : button);
    pal.setColor(QPalette::WindowText, base.color(QPalette::ButtonText));
    setPalette(pal);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        down_ = true;
        setLook(true, true);
    }
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !down_)
        return;
    down_ = false;
    const bool inside = rect().contains(event->position().toPoint());
    setLook(inside, false);
    if (inside)
        emit clicked();
}

void ClickLabel::enterEvent(QEnterEvent*)
{
    setLook(true, down_);
}

void ClickLabel::leaveEvent(QEvent*)
{
    setLook(false, false);
}

bool ClickLabel::event(QEvent* event)
{
    const bool handled = QLabel::event(event);
    // A new application palette reaches the label as a palette change; the
    // look's own setPalette() is one as well, hence the guard.
    const auto type = event->type();
    if ((type == QEvent::PaletteChange || type == QEvent::ApplicationPaletteChange) && !restyling_) {
        restyling_ = true;
        setLook(hot_, down_);
        restyling_ = false;
    }
    return handled;
}

} // namespace common
